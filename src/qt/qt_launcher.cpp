#include "qt/qt_launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace korvo::qt {

bool QtLauncher::StartProgram(const std::string& program,
                              const std::vector<std::string>& arguments) {
    QStringList args;
    for (const auto& a : arguments) args << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(program), args);
}

bool QtLauncher::OpenLocalPage(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    if (!info.exists()) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

std::string QtLauncher::FindProgram(const std::string& name) {
    return QStandardPaths::findExecutable(QString::fromStdString(name)).toStdString();
}

}  // namespace korvo::qt
