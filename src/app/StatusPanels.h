// The status bar's five panels: the document's path, its size, the caret's
// line and column, the modified state and the date and time. A 250 ms timer
// refreshes them, running exactly while the status bar is shown.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>

class QLabel;
class QStatusBar;

namespace editor {
class TextView;
}  // namespace editor

namespace app {

// 1234 -> "1,234"; 1234567 -> "1,234,567".
QString groupThousands(long long n);
// The size panel's text: "1 Byte", "1,234 Bytes".
QString sizeText(long long bytes);

class StatusPanels : public QObject {
    Q_OBJECT
public:
    // `DocumentPath` gives the path shown in panel 0 (empty while untitled).
    StatusPanels(QStatusBar& bar, editor::TextView& body, std::function<QString()> DocumentPath);

    // Recomputes and writes all five panels.
    void update();
    // Tells the author something that needs no answer: for a while in the
    // status bar, in place of the panels, or in an information box while the
    // bar is hidden.
    void notify(const QString& text);
    static constexpr int kNoticeMs = 15000;

    // Shows or hides the status bar and starts or stops the timer with it.
    void setShown(bool shown);
    bool isShown() const;
    bool timerRunning() const { return timer_.isActive(); }

    QString panelText(int index) const;
    // The path as panel 0 shows it: its middle left out when it is too wide.
    QString shownPath() const;
    // Whether the text of panel `index` fits it whole.
    bool fits(int index) const;

private:
    // Panels 1 to 4 are as wide as the widest text they can show, and wider
    // when one is wider still: their text is never cut.
    void fitWidth(int index);
    int neededWidth(int index, const QString& text) const;

    QStatusBar& bar_;
    editor::TextView& body_;
    std::function<QString()> DocumentPath_;
    std::array<QLabel*, 5> panels_{};
    QTimer timer_;
};

}  // namespace app
