#!/usr/bin/env python3
# Writes the sample work-order exports of tests/data: one made-up plant's
# 120 work orders from 2023-03-01 to 2025-03-01, 17 of them bearing
# replacements (8.5 a year), in three dialects of CSV:
#   work_orders_comma.csv      UTF-8, comma, ISO dates, decimal points
#   work_orders_semicolon.csv  Windows-1252, semicolon, dd.mm.yyyy, decimal commas,
#                              German texts
#   work_orders_tab.csv        UTF-16 with a byte-order mark, tab, mm/dd/yyyy
# and work_orders.xlsx, the first as a workbook (made by LibreOffice).
# Below them, a second plant's export with an installation in its middle.
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

# A second plant's export as a maintenance system writes it, for the check
# after go-live: work_orders_golive.csv. Three years of orders on twelve
# assets, 2023-01-02 to 2025-12-30, with an automatic lubrication system
# installed on 2024-07-01: 15 bearing failures in the year and a half before
# (10 a year), 5 in the year and a half after (3.3 a year). The dialect:
# UTF-8 with a byte-order mark, semicolons, dd.mm.yyyy hh:mm, decimal commas,
# two title lines above the header, work-type codes (PM preventive, CM
# corrective, EM emergency, INSP inspection). Preventive orders and
# inspections name bearings too ("Grease motor bearings"); some failures are
# an emergency order followed by its repair order on the same asset within
# four days, one failure in two orders; open orders have no date yet, and a
# "Total" row ends the export. The true failures (the date of each one's
# first order, its asset and how many orders it took) go to
# work_orders_golive_failures.csv, for the tests to hold the count to.
rng = random.Random(2407)
start, installed, end = datetime.date(2023, 1, 2), datetime.date(2024, 7, 1), datetime.date(2025, 12, 30)
assets = (['Conveyor C-%d' % n for n in range(1, 5)] + ['Fan F-%d' % n for n in range(1, 4)]
          + ['Pump P-%d' % n for n in range(1, 4)] + ['Mixer M-1', 'Screw feeder S-1'])
# Three worst actors with 3 or more failures, the rest at most 2 each.
failing = (['Pump P-2'] * 5 + ['Conveyor C-3'] * 4 + ['Fan F-1'] * 3
           + ['Conveyor C-1', 'Fan F-2', 'Pump P-1', 'Mixer M-1', 'Conveyor C-4', 'Pump P-3', 'Screw feeder S-1', 'Pump P-1'])
def days_between(first, last, count):
    return [first + datetime.timedelta(days=d) for d in sorted(rng.sample(range((last - first).days), count))]
failure_dates = days_between(start + datetime.timedelta(days=7), installed, 15) + \
    days_between(installed, end - datetime.timedelta(days=14), 5)
# Failures of one asset a month apart at least, so that none is taken for
# another's repair order.
def spaced(assigned):
    last = {}
    for d, asset in assigned:
        if asset in last and (d - last[asset]).days < 30:
            return False
        last[asset] = d
    return True
while True:
    rng.shuffle(failing)
    if spaced(zip(failure_dates, failing)):
        break
hours = lambda low, high: round(rng.uniform(low, high), 1)
orders, failures = [], []
for d, asset in zip(failure_dates, failing):
    if rng.random() < 0.5:
        orders.append((d, asset, 'EM', rng.choice(['Motor bearing seized, line stopped',
                                                   'Drive-end bearing failed, emergency stop']), hours(1, 3), hours(4, 12)))
        orders.append((d + datetime.timedelta(days=rng.randint(1, 4)), asset, 'CM',
                       'Replace bearing after breakdown', hours(2.5, 6), 0.0))
        failures.append((d, asset, 2))
    else:
        orders.append((d, asset, 'CM', rng.choice(['Bearing replaced, noise at drive end',
                                                   'Worn bearing replaced, gearbox input']), hours(2.5, 7), hours(2, 8)))
        failures.append((d, asset, 1))
# Manual greasing rounds before the installation, the lubricators' refills after.
other = [('PM', 'Grease motor bearings', 'before'), ('PM', 'Lubrication round', 'before'),
         ('PM', 'Refill lubricator cartridge', 'after'), ('PM', 'Check lubricator function', 'after'),
         ('PM', 'Filter change', ''), ('INSP', 'Bearing temperature and vibration reading', ''),
         ('INSP', 'Safety guard inspection', ''), ('CM', 'Belt tension adjusted', ''),
         ('CM', 'Motor coupling replaced', ''), ('EM', 'Power failure, motor restarted', '')]
while len(orders) < 300:
    kind, text, when = rng.choice(other)
    d = start + datetime.timedelta(days=rng.randrange(1, (end - start).days))
    if (when == 'before' and d >= installed) or (when == 'after' and d < installed):
        continue
    orders.append((d, rng.choice(assets), kind, text, hours(0.5, 3), hours(0.5, 2) if kind in ('CM', 'EM') else 0.0))
for d in (start, end):
    orders.append((d, 'Stores', 'PM', 'Check bearing stock', 0.5, 0.0))
orders.append((installed, 'All drives', 'PM', 'Automatic lubrication system installed', 16.0, 0.0))
orders.sort(key=lambda o: o[0])
with open(f'{folder}/work_orders_golive.csv', 'w', encoding='utf-8-sig', newline='') as out:
    comma = lambda value: f'{value:.1f}'.replace('.', ',')
    out.write('Work order history – Plant 2\r\nExported 05.01.2026 08:12\r\n')
    out.write('WO No.;Date;Asset;Type;Description;Labour hours;Downtime hours;Status\r\n')
    for number, (d, asset, kind, text, labour, down) in enumerate(orders, 230001):
        time = '%02d:%02d' % (rng.randint(6, 17), rng.choice([0, 15, 30, 45]))
        out.write(';'.join([str(number), d.strftime('%d.%m.%Y ') + time, asset, kind, text, comma(labour), comma(down),
                            'Closed']) + '\r\n')
    # Open orders have no date yet: none is a failure of the records' period,
    # though one names a bearing.
    open_orders = [('Fan F-3', 'PM', 'Grease motor bearings'), ('Pump P-2', 'CM', 'Bearing noise reported, to inspect'),
                   ('Conveyor C-2', 'CM', 'Replace worn belt scraper')]
    for number, (asset, kind, text) in enumerate(open_orders, 230001 + len(orders)):
        out.write(';'.join([str(number), '', asset, kind, text, '', '', 'Open']) + '\r\n')
    out.write(';'.join(['Total', '', '', '', '', comma(sum(o[4] for o in orders)), comma(sum(o[5] for o in orders)), ''])
              + '\r\n')
with open(f'{folder}/work_orders_golive_failures.csv', 'w', encoding='utf-8', newline='') as out:
    out.write('Date,Asset,Orders\n')
    for d, asset, count in failures:
        out.write(f'{d.isoformat()},{asset},{count}\n')
