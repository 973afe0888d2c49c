#!/usr/bin/env bash
# Every message of the interface's translations is translated: no entry left
# "unfinished" or empty. Names the file, the context and the source text of
# each one missing.
# Usage: check_translations.sh <folder of velmor_*.ts> [code...]
# With codes (de fr es pt_BR zh_CN), only those languages are checked.
set -u
folder=$1
shift
codes=("$@")
if [ ${#codes[@]} -eq 0 ] && [ -n "${VELMOR_LANGUAGE:-}" ]; then
  read -r -a codes <<<"$VELMOR_LANGUAGE"
fi
files=()
if [ ${#codes[@]} -eq 0 ]; then
  files=("$folder"/velmor_*.ts)
else
  for code in "${codes[@]}"; do files+=("$folder/velmor_$code.ts"); done
fi
status=0
for ts in "${files[@]}"; do
  if [ ! -f "$ts" ]; then
    echo "FAIL $ts: no such file"
    status=1
    continue
  fi
  # One line per missing translation: context and source.
  missing=$(python3 - "$ts" <<'PY'
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
for context in root.iter('context'):
    name = context.findtext('name')
    for message in context.iter('message'):
        t = message.find('translation')
        numerus = t is not None and t.findall('numerusform')
        text = ''.join(f.text or '' for f in numerus) if numerus else (t.text or '' if t is not None else '')
        if t is None or t.get('type') in ('unfinished', 'vanished', 'obsolete') or not text.strip():
            print('  %s: "%s"' % (name, message.findtext('source')))
PY
)
  if [ -n "$missing" ]; then
    echo "FAIL $(basename "$ts"): $(printf '%s\n' "$missing" | wc -l) message(s) not translated"
    printf '%s\n' "$missing"
    status=1
  else
    echo "PASS $(basename "$ts")"
  fi
done
exit $status
