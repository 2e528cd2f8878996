#pragma once

#include <QWidget>

class QMenuBar;

namespace kelvra {

// A fixed-size program window of the compatibility program: a menu bar above a client
// area whose controls are placed in twips. It closes only once, whoever asks, and then
// tells the main window through closed().
class ProgramWindow : public QWidget {
    Q_OBJECT
public:
    ~ProgramWindow() override;
    Q_DISABLE_COPY_MOVE(ProgramWindow)

    // Closes the window together with the child-window frame the main window put it in.
    void closeWindow();

    // The area below the menu bar that holds the window's controls.
    QWidget* clientArea() const { return m_client; }
    QMenuBar* menuBar() const { return m_menuBar; }

signals:
    // Emitted once, after the window's own closing steps have run.
    void closed();

protected:
    ProgramWindow(const QString& objectName, const QString& caption, QSize clientSize,
                  QWidget* parent);

    // The window's own closing steps; run once, for whatever reason the window closes.
    virtual void Form_Unload() = 0;

    void closeEvent(QCloseEvent* event) override;

private:
    void finishClosing();

    QMenuBar* m_menuBar = nullptr;
    QWidget* m_client = nullptr;
    bool m_closing = false;
};

} // namespace kelvra
