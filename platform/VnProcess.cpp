#include "VnProcess.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <exception>
#include <utility>

namespace {

VnProcessStarter& CurrentStarter()
{
    static VnProcessStarter starter;
    return starter;
}

} // namespace

bool VnStartDetached(const std::string& program, const std::vector<std::string>& arguments)
{
    if (program.empty())
        return false;
    QStringList args;
    args.reserve(static_cast<qsizetype>(arguments.size()));
    for (const auto& argument : arguments)
        args.append(QString::fromStdString(argument));
    return QProcess::startDetached(QString::fromStdString(program), args);
}

bool VnStartProcess(const std::string& program, const std::vector<std::string>& arguments)
{
    // Menu handlers call this; a failing replacement must not take them down.
    try {
        const auto& starter = CurrentStarter();
        return starter ? starter(program, arguments) : VnStartDetached(program, arguments);
    } catch (const std::exception&) {
        return false;
    }
}

VnProcessStarter VnSetProcessStarter(VnProcessStarter starter)
{
    return std::exchange(CurrentStarter(), std::move(starter));
}
