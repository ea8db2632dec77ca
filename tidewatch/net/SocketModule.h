// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class SocketBackend;
struct SocketEvents;

// A backend from the network library, loading it first if need be; null when it cannot
// be loaded, with a description fit for Winsock's Error in `why`.
std::unique_ptr<SocketBackend> createSocketBackend(const SocketEvents &events, QString &why);

// Which library to load (no suffix); tests name one that does not exist.
void setSocketModuleName(const QString &name);
