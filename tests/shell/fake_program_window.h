#pragma once

#include <QString>
#include <QWidget>

#include <vector>

namespace kelvra {
class ProgramHost;
}

// A program window as the chooser sees one: a fixed-size widget with an objectName that
// emits closed() from its close handling; every close is written into a shared log.
class FakeProgramWindow : public QWidget {
    Q_OBJECT
public:
    FakeProgramWindow(const QString& name, std::vector<QString>& closeLog);

    // Wires closed() to show the host's chooser again, as the real windows are wired.
    static FakeProgramWindow* makeFor(kelvra::ProgramHost& host, const QString& name,
                                      std::vector<QString>& closeLog);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::vector<QString>& m_closeLog;
};
