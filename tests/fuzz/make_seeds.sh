#!/usr/bin/env bash
# Writes the seed corpus of every fuzz target into tests/fuzz/corpus/. The
# seeds are kept in the repository; run this again after changing them here.
set -euo pipefail
corpus="$(cd "$(dirname "$0")" && pwd)/corpus"

# numeric_text_fuzzer: byte 0 is locale + 10 × form, the locale 0 en_US,
# 1 de_DE, 2 fr_FR, 3 de_CH, 4 hi_IN, 5 ar_EG, 6 fa_IR, 7 he_IL, 8 sv_SE,
# 9 pl_PL and the form 0 UTF-8, 1 UTF-16, 2 built plain
# number, 3 a double's eight bytes (little-endian) and a format byte as the
# locale prints it ('f', 'e', 'g' by byte % 3; byte / 3 % 19 digits, 18 the
# shortest that reads back).
numeric() { # numeric <name> <locale> <form> <printf format of the rest>
    local dir=$corpus/numeric_text_fuzzer
    mkdir -p "$dir"
    local head
    head=$(printf '\\x%02x' $(($2 + 10 * $3)))
    if [ "$3" = 1 ]; then
        { printf -- "$head"; printf -- "$4" | iconv -f UTF-8 -t UTF-16LE; } >"$dir/$1"
    else
        { printf -- "$head"; printf -- "$4"; } >"$dir/$1"
    fi
}
numeric en-integer 0 0 '1000'
numeric en-blanks-around 0 0 ' 25 '
numeric en-grouped 0 0 '1,000'
numeric en-grouped-decimals 0 0 '  -12,345.67\t'
numeric en-period-decimal 0 0 '1.5'
numeric en-above-range 0 0 '1E400'
numeric en-below-range 0 0 '1E-400'
numeric en-largest-double 0 0 '1.7976931348623157E308'
numeric en-negative-fraction 0 0 '-0.125'
numeric en-d-exponent 0 0 '-.5D1'
numeric en-hex-prefix 0 0 '&H7F'
numeric en-full-width-digits 0 0 '\xef\xbc\x91\xef\xbc\x92'
numeric en-control-characters 0 0 '\x01\x02\t\n\r5\x00'
numeric de-grouped 1 0 '1.000'
numeric de-decimal-comma 1 0 '1,5'
numeric de-utf16-grouped-decimal 1 1 '1.234,5'
numeric fr-narrow-space-groups 2 0 '1\xe2\x80\xaf000'
numeric fr-arabic-indic-digits 2 0 '\xd9\xa1\xd9\xa2\xd9\xa3'
numeric en-built-plain-number 0 2 '\x0e\x03\x02\x01\x02\x03\x04\x05\x00\x01\x08'
numeric en-misplaced-grouping 0 0 '1,00,0'
numeric en-spreadsheet-cell 0 0 '2000\r\n'
numeric en-two-cells 0 0 '1\n2'
numeric en-printed-shortest 0 3 '\x00\x00\x00\x40\x87\xd6\x32\x41\x36'
numeric de-period-decimal 1 0 '1.5'
numeric de-period-both-ways 1 0 '1.234.5'
numeric de-above-range 1 0 '1,5E400'
numeric de-printed-cents 1 3 '\x00\x00\x00\x40\x87\xd6\x32\x41\x06'
numeric de-printed-largest 1 3 '\xff\xff\xff\xff\xff\xff\xef\x7f\x36'
numeric fr-plain-blank-groups 2 0 '1 234,5'
numeric fr-no-break-space-groups 2 0 '1\xc2\xa0234,5'
numeric fr-printed-general 2 3 '\x9a\x99\x99\x99\x99\x99\xb9\xbf\x38'
numeric ch-typed-apostrophe 3 0 "2'000"
numeric ch-typographic-apostrophe 3 0 '1\xe2\x80\x99234.5'
numeric ch-printed-shortest 3 3 '\x00\x00\x00\x40\x87\xd6\x32\x41\x36'
numeric hi-lakh 4 0 '1,00,000'
numeric hi-crore-decimals 4 0 '-1,23,45,678.90'
numeric hi-printed-fixed 4 3 '\x00\x00\x00\x40\x87\xd6\x32\x41\x06'
numeric ar-own-digits 5 0 '\xd9\xa1\xd9\xa0\xd9\xa0\xd9\xa0'
numeric ar-own-marks 5 0 '\xd8\x9c-\xd9\xa1\xd9\xac\xd9\xa2\xd9\xa3\xd9\xa4\xd9\xab\xd9\xa5'
numeric ar-own-exponent 5 0 '\xd9\xa1\xd9\xab\xd9\xa5\xd8\xa7\xd8\xb3\xd8\x9c-\xd9\xa0\xd9\xa7'
numeric ar-mixed-digits 5 0 '1\xd9\xa2\xd9\xa3'
numeric ar-printed-general 5 3 '\x9a\x99\x99\x99\x99\x99\xb9\xbf\x38'
numeric fa-own-digits 6 0 '\xdb\xb1\xdb\xb2\xdb\xb3\xdb\xb4'
numeric fa-minus-sign 6 0 '\xe2\x80\x8e\xe2\x88\x92\xdb\xb1\xd9\xac\xdb\xb2\xdb\xb3\xdb\xb4\xd9\xab\xdb\xb5'
numeric fa-printed-shortest 6 3 '\x9a\x99\x99\x99\x99\x99\xb9\xbf\x36'
numeric he-marked-minus 7 0 '\xe2\x80\x8e-1,234.5'
numeric he-printed-exponent 7 3 '\x9a\x99\x99\x99\x99\x99\xb9\xbf\x13'
numeric sv-minus-sign 8 0 '\xe2\x88\x921\xc2\xa0234,5'
numeric sv-printed-exponent 8 3 '\x9a\x99\x99\x99\x99\x99\xb9\xbf\x13'
numeric pl-first-group-of-four 9 0 '1234\xc2\xa0567'

# currency_text_fuzzer and plain_number_text_fuzzer: '#' and a double's
# eight bytes (little-endian), or a decimal text.
money() { # money <name> <printf format>
    for target in currency_text_fuzzer plain_number_text_fuzzer; do
        mkdir -p "$corpus/$target"
        printf -- "$2" >"$corpus/$target/$1"
    done
}
money total '62600'
money tie-1.005 '1.005'
money tie-2.675 '2.675'
money exact-tie '0.125'
money negative-tie '-0.125'
money carry '999.995'
money negative-half-cent '-0.005'
money third '0.3333333333333333'
money large '1e20'
money below-1e15 '999999999999999.9'
money beyond-2-pow-53 '9007199254740993'
money stored-cents '1234567890123456.75'
money tie-above-1e14 '100000000000000.125'
money raw-largest '#\xff\xff\xff\xff\xff\xff\xef\x7f'
money raw-negative-largest '#\xff\xff\xff\xff\xff\xff\xef\xff'
money raw-negative-zero '#\x00\x00\x00\x00\x00\x00\x00\x80'
money raw-smallest-subnormal '#\x01\x00\x00\x00\x00\x00\x00\x00'
money raw-smallest-normal '#\x00\x00\x00\x00\x00\x00\x10\x00'
money raw-infinity '#\x00\x00\x00\x00\x00\x00\xf0\x7f'
money raw-nan '#\x00\x00\x00\x00\x00\x00\xf8\x7f'

# facility_file_fuzzer: a facility file's bytes, from stdin.
facility() { # facility <name> < bytes
    mkdir -p "$corpus/facility_file_fuzzer"
    cat >"$corpus/facility_file_fuzzer/$1"
}
facility en-defaults <<'EOF'
{
    "format": "velmor-figures",
    "version": 1,
    "locale": "en_US",
    "figures": [
        "1000",
        "10",
        "1000",
        "1",
        "1000",
        "1000",
        "5",
        "200",
        "24",
        "30",
        "3",
        "4"
    ],
    "report": {
        "customer": "",
        "site": "",
        "preparedBy": "",
        "systemPrice": ""
    }
}
EOF
facility de-with-report <<'EOF'
{
    "format": "velmor-figures",
    "version": 1,
    "locale": "de_DE",
    "figures": [
        "2.000",
        "1,5",
        " 1.000,25 ",
        "1,5E3",
        "-0,125",
        "1.5",
        "0,30000000000000004",
        "12 Lager",
        "",
        "1E-400",
        "1,7976931348623157E308",
        "4"
    ],
    "report": {
        "customer": "M\u00fcller \"Nord\" \\ Werk",
        "site": "Halle 3\nLinie 2",
        "preparedBy": "J. \u00d8lsen",
        "systemPrice": "12.500,75"
    }
}
EOF
facility fr-compact-no-report <<'EOF'
{"format":"velmor-figures","version":1,"locale":"fr_FR","figures":["1 000","1 000,5","1\u202f000","2,5","5","6","7","8","9","10","11","12"]}
EOF
facility ch-apostrophes <<'EOF'
{"version":1,"format":"velmor-figures","locale":"de_CH","figures":["2'000","1\u2019234.5","3","4","5","6","7","8","9","10","11","12"],"report":{"systemPrice":"1'000'000","note":1}}
EOF
facility c-locale <<'EOF'
{"format":"velmor-figures","version":1,"locale":"C","figures":["1e3","1D3","&H7F","","","","","","","","",""],"report":{}}
EOF
facility broken-truncated <<'EOF'
{"format":"velmor-figures","version":1,"locale":"en_US","figures":["1000","10",
EOF
facility euro-metric <<'EOF'
{"format":"velmor-figures","version":3,"locale":"de_DE","figures":["1.000","10","1000","1","453,59237","1000","11,0231131092439","200","24","30","3","4"],"currency":{"symbol":" \u20ac ","units":"metric"}}
EOF
facility broken-units <<'EOF'
{"format":"velmor-figures","version":3,"locale":"en_US","figures":["1","2","3","4","5","6","7","8","9","10","11","12"],"currency":{"symbol":"R$","units":"stone"}}
EOF
facility broken-symbol-digit <<'EOF'
{"format":"velmor-figures","version":3,"locale":"en_US","figures":["1","2","3","4","5","6","7","8","9","10","11","12"],"currency":{"symbol":"E1"}}
EOF
facility broken-newer-version <<'EOF'
{"format":"velmor-figures","version":6,"locale":"en_US","figures":["1","2","3","4","5","6","7","8","9","10","11","12"]}
EOF
facility records-and-ranges <<'EOF'
{"format":"velmor-figures","version":5,"locale":"de_DE","figures":["1.000","8,5","1000","1","1000","1000","5","200","24","30","3","4,2"],"records":{"file":"orders.csv","sha256":"0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef","sheet":"","columns":{"date":"Datum","description":"Text","repairHours":"Stunden"},"dateForm":"dd.mm.yyyy","failureWords":["Lager","\u8f74\u627f"],"applied":true,"workOrders":120,"failures":17,"duplicates":1,"first":"2023-03-01","last":"2025-03-01","medianHours":4.2,"hours10":2.9,"hours90":6.1,"medianDowntime":null},"risk":{"seed":"18446744073709551557","runs":10000,"ranges":{"lubricant":[25,50,75],"bearingFailures":[5.4,8.5,12.7]}}}
EOF
facility broken-records-failures <<'EOF'
{"format":"velmor-figures","version":5,"locale":"en_US","figures":["1","2","3","4","5","6","7","8","9","10","11","12"],"records":{"file":"a.csv","sha256":"0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef","sheet":"","dateForm":"iso","failureWords":[],"applied":false,"workOrders":1,"failures":2,"duplicates":0,"first":"2024-01-01","last":"2024-01-01"}}
EOF
facility broken-eleven-figures <<'EOF'
{"format":"velmor-figures","version":1,"locale":"en_US","figures":["1","2","3","4","5","6","7","8","9","10","11"]}
EOF
facility broken-lone-surrogate <<'EOF'
{"format":"velmor-figures","version":1,"locale":"en_US","figures":["\ud800","2","3","4","5","6","7","8","9","10","11","12"]}
EOF
facility broken-report-number <<'EOF'
{"format":"velmor-figures","version":1,"locale":"en_US","figures":["1","2","3","4","5","6","7","8","9","10","11","12"],"report":{"customer":5}}
EOF
facility broken-key-twice <<'EOF'
{"format":"velmor-figures","version":1,"locale":"de_DE","figures":["1","2","3","4","5","6","7","8","9","10","11","12"],"report":{"site":"A","site":"B"},"locale":"en_US"}
EOF
facility broken-nul-in-locale <<'EOF'
{"format":"velmor-figures","version":1,"locale":"en\u0000US","figures":["1","2","3","4","5","6","7","8","9","10","11","12"]}
EOF
printf '{"format":"velmor-figures","version":1,"locale":"en_US","figures":["1\xff","2","3","4","5","6","7","8","9","10","11","12"]}\n' \
    | facility broken-invalid-utf8

# records_fuzzer: byte 0 even for CSV, odd for a workbook, then the file.
records() { # records <name> <0 or 1> <file>
    mkdir -p "$corpus/records_fuzzer"
    { printf "\\x0$2"; cat "$3"; } >"$corpus/records_fuzzer/$1"
}
data="$(cd "$(dirname "$0")/../data" && pwd)"
records comma-sample 0 "$data/work_orders_comma.csv"
records semicolon-sample 0 "$data/work_orders_semicolon.csv"
records tab-sample 0 "$data/work_orders_tab.csv"
records workbook-sample 1 "$data/work_orders.xlsx"
records golive-sample 0 "$data/work_orders_golive.csv"
printf 'Work orders 2024;;;\nDatum;Anlage;Art;Text;Ist-Arbeit\n05.02.24;P-7;Störung;Lager getauscht;2,500\n;;;;\nSumme;;;;2,500\n' \
    >"$corpus/../scratch-title.csv" && records title-and-total 0 "$corpus/../scratch-title.csv" && rm "$corpus/../scratch-title.csv"
# Small workbooks with a cell beyond the last column, a merged range beyond
# the last row, and shared strings that name an entity.
python3 - "$corpus/records_fuzzer" <<'PY'
import sys, zipfile, io
book = ('<workbook xmlns:r="r"><sheets><sheet name="Orders" r:id="rId1"/></sheets></workbook>')
rels = '<Relationships><Relationship Id="rId1" Target="worksheets/sheet1.xml"/></Relationships>'
def sheet(header, more=''):
    return ('<worksheet><sheetData><row r="1">' + header + '</row><row r="2"><c r="A2" t="inlineStr"><is><t>2024-01-02'
            '</t></is></c><c r="B2" t="s"><v>0</v></c></row></sheetData>' + more + '</worksheet>')
cell = lambda ref, text: '<c r="%s" t="inlineStr"><is><t>%s</t></is></c>' % (ref, text)
header = cell('A1', 'Date') + cell('B1', 'Description')
strings = '<sst><si><t>Bearing</t></si></sst>'
cases = {
    'workbook-beyond-last-column': sheet(header + cell('FXSHRXW1', 'Hours')),
    'workbook-merged-beyond': sheet(header, '<mergeCells><mergeCell ref="C2:FXSHRXW3"/></mergeCells>'),
    'workbook-entities': sheet(header),
}
for name, xml in cases.items():
    out = io.BytesIO()
    with zipfile.ZipFile(out, 'w', zipfile.ZIP_DEFLATED) as z:
        z.writestr('xl/workbook.xml', book)
        z.writestr('xl/_rels/workbook.xml.rels', rels)
        z.writestr('xl/worksheets/sheet1.xml', xml)
        z.writestr('xl/sharedStrings.xml', '<!DOCTYPE sst [<!ENTITY e "xxxx">]><sst><si><t>&e;&e;</t></si></sst>'
                   if name == 'workbook-entities' else strings)
    open(sys.argv[1] + '/' + name, 'wb').write(b'\x01' + out.getvalue())
PY
