#pragma once

#include <QWidget>

class QMenuBar;

namespace kelvra {

// A fixed-size program window shown inside the main window: a client area whose controls
// are placed in twips, and menus that the main window shows in its own menu bar while this
// window is active. It closes only once, whoever asks, and then tells the main window
// through closed().
class ProgramWindow : public QWidget {
    Q_OBJECT
public:
    ~ProgramWindow() override;
    Q_DISABLE_COPY_MOVE(ProgramWindow)

    // Closes the window together with the child-window frame the main window put it in.
    void closeWindow();

    // The area that holds the window's controls.
    QWidget* clientArea() const { return m_client; }

    // The window's menus, in order. The bar itself is never shown: one menu bar is enough.
    QMenuBar* menuBar() const { return m_menuBar; }

    // Gives the keyboard focus to the control the window opens with.
    void focusFirstControl();

signals:
    // Emitted once, after the window's own closing steps have run.
    void closed();

protected:
    ProgramWindow(const QString& objectName, const QString& caption, QSize clientSize,
                  QWidget* parent);

    // The control that has the focus when the window opens.
    void setFirstControl(QWidget* control) { m_firstControl = control; }

    // The window's own closing steps; run once, for whatever reason the window closes.
    virtual void Form_Unload() = 0;

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finishClosing();

    QMenuBar* m_menuBar = nullptr;
    QWidget* m_client = nullptr;
    QWidget* m_firstControl = nullptr;
    bool m_closing = false;
    bool m_textBoxesWatched = false;
};

} // namespace kelvra
