// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/SocketModule.h"

#include "system/ModuleLoader.h"
#include "net/SocketBackend.h"

namespace {

QString &moduleName()
{
    static QString name = QStringLiteral("libtidewatch_net");
    return name;
}

} // namespace

void setSocketModuleName(const QString &name)
{
    moduleName() = name;
}

std::unique_ptr<SocketBackend> createSocketBackend(const SocketEvents &events, QString &why)
{
    QString reasons;
    const auto create = reinterpret_cast<SocketBackendFactory>(
        resolveModuleSymbol(moduleName(), kSocketBackendFactoryName, &reasons));
    if (!create) {
        why = QStringLiteral("The network library %1 could not be loaded: %2").arg(moduleName(), reasons);
        return nullptr;
    }
    return std::unique_ptr<SocketBackend>(create(events));
}
