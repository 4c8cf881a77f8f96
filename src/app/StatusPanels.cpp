#include "app/StatusPanels.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>

#include "editor/TextView.h"
#include "interaction/Captions.h"
#include "interaction/Interaction.h"

namespace app {

QString groupThousands(long long n)
{
    QString digits = QString::number(n < 0 ? -n : n);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, QLatin1Char(','));
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

QString sizeText(long long bytes)
{
    return groupThousands(bytes) + (bytes == 1 ? QStringLiteral(" Byte") : QStringLiteral(" Bytes"));
}

namespace {

// A path wider than its panel without the middle of its folder part, so that
// the file name stays whole as long as it fits at all.
QString elided(const QLabel& panel)
{
    const QFontMetrics metrics = panel.fontMetrics();
    const QString path = panel.text();
    const int width = panel.contentsRect().width();
    if (metrics.horizontalAdvance(path) <= width) return path;
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    const int nameWidth = metrics.horizontalAdvance(name);
    const QString folder = path.left(path.size() - name.size());
    if (name.isEmpty() || nameWidth + metrics.horizontalAdvance(QStringLiteral("\u2026/")) > width)
        return metrics.elidedText(path, Qt::ElideMiddle, width);
    return metrics.elidedText(folder, Qt::ElideMiddle, width - nameWidth) + name;
}

// The path panel: a path wider than the panel loses its middle, so that the
// file name at its end stays readable; the whole path is the panel's hint.
class PathPanel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        drawFrame(&painter);
        style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), elided(*this),
                              foregroundRole());
    }
};

}  // namespace

StatusPanels::StatusPanels(QStatusBar& bar, editor::TextView& body, std::function<QString()> DocumentPath)
    : QObject(&bar), bar_(bar), body_(body), DocumentPath_(std::move(DocumentPath))
{
    bar_.setObjectName(QStringLiteral("StatusBar1"));
    bar_.setSizeGripEnabled(true);
    // Panel 0 takes what the others leave; a long path never widens the
    // window. The others start as wide as their usual widest text (a document
    // of tens of megabytes, lines and columns of five digits) and grow when a
    // text is wider still: nothing is ever cut.
    static constexpr int kWidths[5] = {0, 100, 100, 100, 120};
    const QLocale locale;
    const QDateTime sampleTime(QDate(2000, 12, 28), QTime(23, 58));
    const QString widest[5] = {
        QString(),
        sizeText(99'999'999LL),
        QStringLiteral("Ln:99999 Col:99999"),
        QStringLiteral("Unmodified"),
        locale.toString(sampleTime.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
            locale.toString(sampleTime.time(), QLocale::ShortFormat),
    };
    for (int i = 0; i < 5; ++i) {
        auto* label = i == 0 ? new PathPanel(&bar_) : new QLabel(&bar_);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        if (i == 0) {
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            bar_.addWidget(label, 1);
        } else {
            bar_.addPermanentWidget(label);
        }
        panels_[i] = label;
        if (i > 0) label->setFixedWidth(std::max(kWidths[i], neededWidth(i, widest[i])));
    }
    timer_.setInterval(250);
    connect(&timer_, &QTimer::timeout, this, &StatusPanels::update);
    // A notice takes the whole bar while it shows: beside the four panels it
    // would be cut to a few words in a window of the usual size.
    connect(&bar_, &QStatusBar::messageChanged, this, [this](const QString& message) {
        for (int i = 1; i < 5; ++i) panels_[i]->setVisible(message.isEmpty());
    });
}

void StatusPanels::update()
{
    // Position, line and column are asked of the control; the text is never copied.
    const markup::Pos start = body_.selectionStart();
    const int line = body_.lineFromPosition(start) + 1;
    const int column = body_.columnOf(start) + 1;
    const QString path = DocumentPath_();
    const QLocale locale;
    // The short time without seconds, as "t" always was (some locales' short
    // format carries seconds).
    QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    shortTime.remove(QStringLiteral(":ss"));
    const QDateTime now = QDateTime::currentDateTime();
    const QString texts[5] = {
        path.isEmpty() ? QString::fromLatin1(interaction::kUntitled) : path,
        sizeText(body_.length()),
        QStringLiteral("Ln:%1 Col:%2").arg(line).arg(column),
        body_.isModified() ? QStringLiteral("Modified") : QStringLiteral("Unmodified"),
        locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') + locale.toString(now.time(), shortTime),
    };
    for (int i = 0; i < 5; ++i) {
        if (panels_[i]->text() == texts[i]) continue;
        panels_[i]->setText(texts[i]);
        if (i > 0) fitWidth(i);
    }
    if (panels_[0]->toolTip() != texts[0]) panels_[0]->setToolTip(texts[0]);
}

void StatusPanels::notify(const QString& text)
{
    if (isShown())
        bar_.showMessage(text, kNoticeMs);
    else
        interaction::ui().inform(text);
}

void StatusPanels::setShown(bool shown)
{
    bar_.setVisible(shown);
    if (shown) {
        update();
        timer_.start();
    } else {
        timer_.stop();
    }
}

bool StatusPanels::isShown() const
{
    return !bar_.isHidden();
}

QString StatusPanels::panelText(int index) const
{
    return panels_.at(index)->text();
}

int StatusPanels::neededWidth(int index, const QString& text) const
{
    const QLabel& panel = *panels_.at(index);
    const QMargins m = panel.contentsMargins();
    return panel.fontMetrics().horizontalAdvance(text) + m.left() + m.right() + 2 * panel.margin() + 4;
}

void StatusPanels::fitWidth(int index)
{
    QLabel& panel = *panels_.at(index);
    const int needed = neededWidth(index, panel.text());
    if (needed > panel.minimumWidth()) panel.setFixedWidth(needed);
}

bool StatusPanels::fits(int index) const
{
    const QLabel& panel = *panels_.at(index);
    return panel.fontMetrics().horizontalAdvance(panel.text()) <= panel.contentsRect().width() - 2 * panel.margin();
}

QString StatusPanels::shownPath() const
{
    return elided(*panels_[0]);
}

}  // namespace app
