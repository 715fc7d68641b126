#pragma once

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

// Every test runs with its program folder and settings store in temporary folders of its
// own, never in the user's home.
namespace kvtest {

// Points KELVORANDINE_HOME, XDG_CONFIG_HOME and XDG_DATA_HOME at a fresh temporary folder of
// this process. Called once by main() before the application object exists.
void SetUpProcessFolders();

// Empties the settings store and the program folder before each test.
class TEnvironment : public ::testing::Environment {};

class TTempHome : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A path inside the program folder.
    static QString HomePath(const QString& relative = QString());
    static void WriteFile(const QString& path, const QByteArray& bytes);
    static QByteArray ReadFile(const QString& path);
};

QString DataPath(const QString& name);       // tests/data/<name>
QString SharedDataPath(const QString& name); // the shared reference data

} // namespace kvtest

// Readable QString values in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
