#!/usr/bin/env python3
# Writes the sample work-order exports of tests/data: one made-up plant's
# 120 work orders from 2023-03-01 to 2025-03-01, 17 of them bearing
# replacements (8.5 a year), in three dialects of CSV:
#   work_orders_comma.csv      UTF-8, comma, ISO dates, decimal points
#   work_orders_semicolon.csv  Windows-1252, semicolon, dd.mm.yyyy, decimal commas,
#                              German texts
#   work_orders_tab.csv        UTF-16 with a byte-order mark, tab, mm/dd/yyyy
# and work_orders.xlsx, the first as a workbook (made by LibreOffice).
# Usage: tools/generate_work_orders.py [folder]
import datetime, random, sys

folder = sys.argv[1] if len(sys.argv) > 1 else 'tests/data'
rng = random.Random(17)
start, end = datetime.date(2023, 3, 1), datetime.date(2025, 3, 1)
assets = ['Conveyor C-%d' % n for n in range(1, 6)] + ['Fan F-%d' % n for n in range(1, 4)] + ['Pump P-1']
other = [('Preventive', 'Lubrication round'), ('Corrective', 'Belt tension adjusted'),
         ('Inspection', 'Vibration reading, "ok"'), ('Corrective', 'Motor coupling replaced'),
         ('Preventive', 'Filter change')]
orders = []
failure_days = sorted(rng.sample(range(1, (end - start).days), 17))
for day in failure_days:
    orders.append((start + datetime.timedelta(days=day), rng.choice(assets), 'Corrective',
                   'Bearing replaced,\nnoise at drive end', round(rng.uniform(2, 7), 1), round(rng.uniform(2, 9), 1)))
for _ in range(101):
    kind, text = rng.choice(other)
    orders.append((start + datetime.timedelta(days=rng.randrange(1, (end - start).days)), rng.choice(assets), kind,
                   text, round(rng.uniform(0.5, 3), 1), 0.0))
orders.append((start, 'Conveyor C-1', 'Inspection', 'Start of the records', 0.5, 0.0))
orders.append((end, 'Conveyor C-1', 'Inspection', 'End of the records', 0.5, 0.0))
orders.sort(key=lambda o: o[0])

GERMAN = {'Conveyor': 'Förderband', 'Bearing replaced,\nnoise at drive end': 'Lager getauscht,\nGeräusch Antriebsseite'}

def write(name, encoding, sep, date, decimal, header, words={}):
    with open(f'{folder}/{name}', 'w', encoding=encoding, newline='') as out:
        def field(value):
            text = str(value)
            return '"%s"' % text.replace('"', '""') if any(c in text for c in (sep, '"', '\n')) else text
        out.write(sep.join(header) + '\r\n')
        for d, asset, kind, text, hours, down in orders:
            for english, own in words.items():
                asset, text = asset.replace(english, own), text.replace(english, own)
            row = [date(d), asset, kind, text, f'{hours:.1f}'.replace('.', decimal), f'{down:.1f}'.replace('.', decimal)]
            out.write(sep.join(field(v) for v in row) + '\r\n')

write('work_orders_comma.csv', 'utf-8', ',', lambda d: d.isoformat(), '.',
      ['Date', 'Asset', 'Work type', 'Description', 'Repair hours', 'Downtime hours'])
write('work_orders_semicolon.csv', 'cp1252', ';', lambda d: d.strftime('%d.%m.%Y'), ',',
      ['Datum', 'Anlage', 'Auftragsart', 'Beschreibung', 'Stunden', 'Stillstand (h)'], GERMAN)
write('work_orders_tab.csv', 'utf-16', '\t', lambda d: d.strftime('%m/%d/%Y'), '.',
      ['Date', 'Equipment', 'Type', 'Description', 'Hours', 'Downtime'])

# The same records as a workbook, dates as date cells, when LibreOffice is
# there to convert them.
import os, shutil, subprocess, tempfile
if shutil.which('soffice'):
    with tempfile.TemporaryDirectory() as out:
        subprocess.run(['soffice', '--headless', '--infilter=CSV:44,34,76,1,,1033', '--convert-to', 'xlsx',
                        '--outdir', out, f'{folder}/work_orders_comma.csv'], check=True, capture_output=True)
        shutil.move(os.path.join(out, 'work_orders_comma.xlsx'), f'{folder}/work_orders.xlsx')
