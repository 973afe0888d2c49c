#!/usr/bin/env bash
# Every message of the interface's translations is translated: no entry left
# "unfinished" or empty; and written with the language's own punctuation: no
# straight apostrophe inside a French or Portuguese word ("d'un" for "d’un"),
# no ASCII comma, colon or bracket after Chinese words and no blank after a
# full-width mark.
# Names the file, the context and the source text of each one at fault.
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
import re, sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
language = re.sub(r'^velmor_|\.ts$', '', sys.argv[1].rsplit('/', 1)[-1])
cjk = '[\u3400-\u9fff]'
punctuation = {
    'fr': (re.compile(r"\w'\w"), 'a straight apostrophe'),
    'pt_BR': (re.compile(r"\w'\w"), 'a straight apostrophe'),
    # (a mnemonic "(&A)" and a file filter "(*.pdf)" keep their ASCII brackets)
    'zh_CN': (re.compile(cjk + r'\s*[,;]\s*' + cjk + '|' + cjk + r'[:;]|' + cjk + r' ?\((?![&*])|[\u3001-\u3002\uff01-\uff1f] '),
              'ASCII punctuation or a blank'),
}.get(language)
for context in root.iter('context'):
    name = context.findtext('name')
    for message in context.iter('message'):
        t = message.find('translation')
        numerus = t is not None and t.findall('numerusform')
        text = ''.join(f.text or '' for f in numerus) if numerus else (t.text or '' if t is not None else '')
        if t is None or t.get('type') in ('unfinished', 'vanished', 'obsolete') or not text.strip():
            print('  %s: "%s"' % (name, message.findtext('source')))
        elif punctuation and punctuation[0].search(text):
            print('  %s: "%s" is written with %s' % (name, message.findtext('source'), punctuation[1]))
PY
)
  if [ -n "$missing" ]; then
    echo "FAIL $(basename "$ts"): $(printf '%s\n' "$missing" | wc -l) message(s) not translated or not punctuated as the language is"
    printf '%s\n' "$missing"
    status=1
  else
    echo "PASS $(basename "$ts")"
  fi
done
exit $status
