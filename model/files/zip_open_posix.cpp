// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/files/zip_member_device.h"

namespace model {

unzFile openZip(const QByteArray &path) { return unzOpen64(path.constData()); }

} // namespace model
