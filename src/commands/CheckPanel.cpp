// The problems panel: the check on the global thread pool, its list and marks.
#include "commands/CheckPanel.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "editor/TextView.h"
#include "settings/SettingsStore.h"

namespace commands {
namespace {

QString summaryOf(const std::vector<check::Problem>& problems)
{
    if (problems.empty()) return QStringLiteral("No problems found.");
    int counts[3] = {0, 0, 0};
    for (const check::Problem& p : problems) ++counts[static_cast<int>(p.severity)];
    return QStringLiteral("%1 errors, %2 warnings, %3 notes").arg(counts[0]).arg(counts[1]).arg(counts[2]);
}

}  // namespace

CheckPanel::CheckPanel(editor::TextView& body, std::function<QString()> pagePath, QWidget* parent)
    : QWidget(parent),
      body_(body),
      pagePath_(std::move(pagePath)),
      list_(new QTreeWidget(this)),
      notes_(new QCheckBox(QStringLiteral("Show &notes on obsolete markup"), this)),
      summary_(new QLabel(this))
{
    setObjectName(QStringLiteral("CheckPanel"));
    list_->setHeaderLabels(
        {QStringLiteral("Line"), QStringLiteral("Column"), QStringLiteral("Severity"), QStringLiteral("Message")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);  // thousands of rows stay quick
    list_->header()->setStretchLastSection(true);
    // Numbers and a word: narrow columns, the message takes the rest.
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (const auto& [column, digits] : {std::pair(0, 7), std::pair(1, 7), std::pair(2, 10)})
        list_->header()->resizeSection(column, digit * digits);
    notes_->setChecked(settings::SettingsStore().read(settings::window::kCheckNotes));
    auto* bar = new QHBoxLayout;
    bar->addWidget(summary_, 1);
    bar->addWidget(notes_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->addLayout(bar);
    column->addWidget(list_);

    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, &CheckPanel::startCheck);
    connect(&watcher_, &QFutureWatcher<std::vector<check::Problem>>::finished, this, [this] {
        if (again_ || !following_) {
            again_ = false;
            if (following_) pause_.start();
            return;
        }
        showProblems(watcher_.result());
    });
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { jumpTo(list_->indexOfTopLevelItem(item)); });
    connect(notes_, &QCheckBox::toggled, this, [this](bool on) {
        settings::SettingsStore().write(settings::window::kCheckNotes, on);
        checkedText_.clear();  // the same text, checked for other things
        if (following_) startCheck();
    });
}

QSize CheckPanel::sizeHint() const
{
    // About six rows below the editor, which keeps most of the height.
    return {QWidget::sizeHint().width(), list_->sizeHintForRow(0) * 6 + summary_->sizeHint().height() * 3};
}

CheckPanel::~CheckPanel()
{
    if (cancelled_) cancelled_->store(true);
}

void CheckPanel::follow(bool on)
{
    following_ = on;
    if (cancelled_) cancelled_->store(true);
    if (on) {
        checkedText_.clear();
        startCheck();
        return;
    }
    pause_.stop();
    body_.clearProblemMarks();
}

void CheckPanel::textChanged()
{
    if (!following_) return;
    // A check under way is of a text that no longer is: it stops early and
    // its result is thrown away.
    if (watcher_.isRunning()) {
        again_ = true;
        if (cancelled_) cancelled_->store(true);
    }
    pause_.start();
}

void CheckPanel::startCheck()
{
    if (!following_) return;
    if (watcher_.isRunning()) {
        again_ = true;
        return;
    }
    const std::string_view now = body_.characters();
    // Marks and colours also come as changes: the same text needs no check.
    if (!checkedText_.empty() && now == checkedText_) return;
    checkedText_.assign(now);
    summary_->setText(QStringLiteral("Checking..."));
    cancelled_ = std::make_shared<std::atomic<bool>>(false);
    check::CheckOptions options;
    options.notes = notes_->isChecked();
    watcher_.setFuture(QtConcurrent::run([text = checkedText_, path = pagePath_(), options, cancelled = cancelled_] {
        return check::checkPage(text, path, options, cancelled.get());
    }));
}

void CheckPanel::showProblems(std::vector<check::Problem> problems)
{
    problems_ = std::move(problems);
    list_->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(problems_.size()));
    std::vector<std::pair<markup::Pos, markup::Pos>> marks;
    for (const check::Problem& p : problems_) {
        rows << new QTreeWidgetItem({QString::number(p.line), QString::number(p.column),
                                     QLatin1String(check::severityName(p.severity)),
                                     QString::fromStdString(p.message)});
        marks.emplace_back(static_cast<markup::Pos>(p.offset), static_cast<markup::Pos>(p.length));
    }
    list_->addTopLevelItems(rows);
    summary_->setText(summaryOf(problems_));
    body_.markProblems(marks);
    emit checked();
}

void CheckPanel::jumpTo(int row)
{
    if (row < 0 || row >= static_cast<int>(problems_.size())) return;
    const check::Problem& p = problems_[static_cast<size_t>(row)];
    const markup::Pos end = body_.length();
    const markup::Pos start = std::min(static_cast<markup::Pos>(p.offset), end);
    body_.setSelection(start, std::min(static_cast<markup::Pos>(p.length), end - start));
    body_.ensureCaretVisible();
    list_->setCurrentItem(list_->topLevelItem(row));
    body_.focus();
}

void CheckPanel::step(int direction)
{
    if (problems_.empty()) return;
    const auto from = static_cast<size_t>(body_.selectionStart());
    const int count = static_cast<int>(problems_.size());
    int row = direction > 0 ? 0 : count - 1;  // round the end
    if (direction > 0) {
        for (int i = 0; i < count; ++i)
            if (problems_[static_cast<size_t>(i)].offset > from) {
                row = i;
                break;
            }
    } else {
        for (int i = count - 1; i >= 0; --i)
            if (problems_[static_cast<size_t>(i)].offset < from) {
                row = i;
                break;
            }
    }
    jumpTo(row);
}

}  // namespace commands
