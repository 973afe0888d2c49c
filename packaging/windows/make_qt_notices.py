#!/usr/bin/env python3
"""Writes licences/qt-third-party.txt: the copyright and licence of each part
by other authors that Qt 6.4.2's Core and Gui libraries, as shipped with the
Windows program, contain, taken from the qtbase sources (src/3rdparty/*/
qt_attribution.json and the licence files they name). The result is checked
in; run this again when the Qt version changes.
Usage: make_qt_notices.py QTBASE_SOURCE_TARBALL [OUT]"""
import json
import os
import sys
import tarfile

# The parts built into the Windows libraries; the others are for platforms or
# features the kit leaves out.
USED = ['blake2', 'double-conversion', 'easing', 'freetype', 'harfbuzz-ng', 'icc', 'libjpeg', 'libpng', 'md4',
        'md4c', 'md5', 'pcre2', 'rfc6234', 'sha1', 'sha3', 'tinycbor', 'zlib']

here = os.path.dirname(os.path.abspath(__file__))
out_path = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, 'licences', 'qt-third-party.txt')
files = {}
with tarfile.open(sys.argv[1]) as tar:
    for member in tar:
        parts = member.name.split('/')
        if member.isfile() and len(parts) == 5 and parts[1:3] == ['src', '3rdparty'] and parts[3] in USED:
            files[(parts[3], parts[4])] = tar.extractfile(member).read().decode('utf-8', 'replace')

out = ['Third-party parts of Qt 6.4.2 in the shipped Qt libraries\n',
       '==========================================================\n\n',
       'Qt Core and Qt Gui contain the following parts by other authors. Each is\n',
       'listed with its copyright and licence as Qt\'s sources (qtbase 6.4.2,\n',
       'src/3rdparty/) record them.\n']
for part in USED:
    entries = json.loads(files[(part, 'qt_attribution.json')], strict=False)
    for e in entries if isinstance(entries, list) else [entries]:
        title = e['Name'] + (' ' + e['Version'] if e.get('Version') else '')
        out.append('\n\n' + '-' * 78 + '\n' + title + '\n' + '-' * 78 + '\n')
        out.append('Used in Qt: ' + e.get('QtUsage', '').strip() + '\n')
        out.append('Licence: ' + e.get('License', '') + ' (' + e.get('LicenseId', '') + ')\n')
        if e.get('Copyright', '').strip():
            out.append('Copyright:\n' + '\n'.join('  ' + line.strip() for line in e['Copyright'].strip().splitlines()) + '\n')
        names = e.get('LicenseFile') or []
        for name in [names] if isinstance(names, str) else names:
            out.append('\n' + files[(part, name)].rstrip() + '\n')
with open(out_path, 'w', encoding='utf-8') as f:
    f.write(''.join(out))
