// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/scratch_file_system.h"

#include <xlsxwriter/utility.h>

#include <cstdio>
#include <sys/mman.h>
#include <unistd.h>

// The xlsx library writes every part of a workbook to a scratch file of its
// own, from lxw_tmpfile(), before it zips them; its files lie in the
// temporary folder from their creation until it unlinks them, which a kill
// in between leaves behind. The library calls lxw_tmpfile() through its
// symbol table, so this definition takes the place of its own: the parts
// live in memory, as the zip does, and a kill at any moment leaves nothing.
// A part cut short by a file size limit is still cut, and the reading back
// of the zip still refuses it.
FILE *lxw_tmpfile(char *)
{
    const int part = memfd_create("velmor-workbook-part", MFD_CLOEXEC);
    if (part < 0)
        return nullptr;
    FILE *file = fdopen(part, "w+b");
    if (!file)
        close(part);
    return file;
}

namespace workbook::system {

int openMemoryFile(QByteArray &name)
{
    const int file = memfd_create("velmor-workbook", MFD_CLOEXEC);
    if (file < 0)
        return -1;
    name = "/proc/self/fd/" + QByteArray::number(file);
    // Without /proc mounted the name leads nowhere: a folder it is, then.
    if (access(name.constData(), R_OK | W_OK) == 0)
        return file;
    close(file);
    name.clear();
    return -1;
}

void closeMemoryFile(int file) { close(file); }

} // namespace workbook::system
