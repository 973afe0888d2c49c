<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AlternativesDialog</name>
    <message>
        <source>Alternatives</source>
        <translation>Alternativen</translation>
    </message>
    <message>
        <source>The selected option, in bold, is the one the Business Case window, the tables and the report show. To change another option, select it: its investment then stands in the Business Case window&apos;s fields, and its reductions in Assumptions… once that window is closed with OK.</source>
        <translation>Die gewählte Alternative (fett) zeigen das Fenster Wirtschaftlichkeit, die Tabellen und der Bericht. Um eine andere Alternative zu ändern, wählen Sie sie: Ihre Investition steht dann in den Feldern des Fensters Wirtschaftlichkeit, ihre Senkungen in Annahmen…, sobald dieses Fenster mit OK geschlossen ist.</translation>
    </message>
    <message>
        <source>&amp;Add Option…</source>
        <translation>Alternative &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Wählen</translation>
    </message>
    <message>
        <source>The case weighs one option against doing nothing. Add an option to set others beside it.</source>
        <translation>Die Wirtschaftlichkeit stellt eine Alternative dem Nichtstun gegenüber. Fügen Sie eine Alternative hinzu, um weitere danebenzustellen.</translation>
    </message>
    <message>
        <source>Name of the option:</source>
        <translation>Name der Alternative:</translation>
    </message>
    <message>
        <source>An option needs a name.</source>
        <translation>Eine Alternative braucht einen Namen.</translation>
    </message>
    <message>
        <source>An option&apos;s name holds at most %1 characters.</source>
        <translation>Der Name einer Alternative hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>The case already has an option named %1.</source>
        <translation>Es gibt bereits eine Alternative namens %1.</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Alternative %1</translation>
    </message>
    <message>
        <source>Add Option</source>
        <translation>Alternative hinzufügen</translation>
    </message>
    <message>
        <source>Rename Option</source>
        <translation>Alternative umbenennen</translation>
    </message>
</context>
<context>
    <name>AlternativesText</name>
    <message>
        <source>No system price is given.</source>
        <translation>Es ist kein Systempreis angegeben.</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>Automatic lubrication</source>
        <translation>Automatische Schmierung</translation>
    </message>
    <message>
        <source>Set against</source>
        <translation>Verglichen mit</translation>
    </message>
    <message>
        <source>Added outlay</source>
        <translation>Zusätzliche Anfangsinvestition</translation>
    </message>
    <message>
        <source>Incremental NPV</source>
        <translation>Inkrementeller Kapitalwert</translation>
    </message>
    <message>
        <source>Incremental IRR</source>
        <translation>Inkrementeller interner Zinsfuß</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Jährliche Einsparung</translation>
    </message>
    <message>
        <source>Outlay</source>
        <translation>Anfangsinvestition</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Kapitalwert</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>Interner Zinsfuß</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Amortisation</translation>
    </message>
    <message>
        <source>NPV on hard savings</source>
        <translation>Kapitalwert mit harten Einsparungen</translation>
    </message>
    <message>
        <source>No option has a net present value above zero: doing nothing costs least.</source>
        <translation>Keine Alternative hat einen Kapitalwert über null: Nichts zu tun kostet am wenigsten.</translation>
    </message>
    <message>
        <source>Of the options considered, %1 has the highest net present value, %2.</source>
        <translation>Von den betrachteten Alternativen hat %1 den höchsten Kapitalwert: %2.</translation>
    </message>
    <message>
        <source>Each option is set against the next cheaper one: its incremental net present value and rate of return are those of what it costs and saves beyond that one, and its added outlay pays where the incremental net present value is above zero.</source>
        <translation>Jede Alternative wird mit der nächstgünstigeren verglichen: Ihr inkrementeller Kapitalwert und Zinsfuß sind die dessen, was sie über jene hinaus kostet und einspart; ihre zusätzliche Anfangsinvestition lohnt sich, wo der inkrementelle Kapitalwert über null liegt.</translation>
    </message>
    <message>
        <source>The other pages show %1.</source>
        <translation>Die übrigen Seiten zeigen %1.</translation>
    </message>
    <message>
        <source>%1 is not evaluated: %2</source>
        <translation>%1 wird nicht bewertet: %2</translation>
    </message>
    <message>
        <source>%1 is evaluated over another period, at another rate or timing than %2, so their flows are not set against each other.</source>
        <translation>%1 wird über einen anderen Zeitraum, zu einem anderen Zinssatz oder Zeitpunkt bewertet als %2; ihre Cashflows werden daher nicht miteinander verglichen.</translation>
    </message>
</context>
<context>
    <name>ArithmeticFault</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Invalid operation</source>
        <translation>Ungültige Rechenoperation</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Automatic Lubrication Systems</source>
        <extracomment>tag line under the VELMOR wordmark; about 30 characters fit the Your Data banner at full size</extracomment>
        <translation>Automatische Schmiersysteme</translation>
    </message>
    <message>
        <source>Velmor Automatic Lubrication Systems · Cost Savings Calculator</source>
        <extracomment>title band of the main window; a longer title is drawn a little smaller, or on two lines</extracomment>
        <translation>Automatische Velmor-Schmiersysteme · Kosteneinsparungsrechner</translation>
    </message>
    <message>
        <source>HALDMARK®, Inc. · 1200 Industrial Parkway · Springfield, OH  45501</source>
        <extracomment>the maker&apos;s postal address in the main window&apos;s footer; keep it, adding the country where readers need it</extracomment>
        <translation>HALDMARK®, Inc. · 1200 Industrial Parkway · Springfield, OH  45501, USA</translation>
    </message>
    <message>
        <source>Phone %1 · Fax %2 · %3</source>
        <extracomment>main window&apos;s footer: %1 phone number, %2 fax number, %3 web site</extracomment>
        <translation>Telefon %1 · Fax %2 · %3</translation>
    </message>
    <message>
        <source>Centralized lubrication that pays for itself</source>
        <extracomment>slogan in the results&apos; banner; it may take two lines</extracomment>
        <translation>Zentralschmierung, die sich bezahlt macht</translation>
    </message>
    <message>
        <source>Lubrication Systems</source>
        <extracomment>short tag line under the VELMOR wordmark; about 22 characters fit at full size</extracomment>
        <translation>Schmiersysteme</translation>
    </message>
    <message>
        <source>Centralized lubrication systems</source>
        <extracomment>subtitle under the maker&apos;s logotype in the About window</extracomment>
        <translation>Zentralschmiersysteme</translation>
    </message>
    <message>
        <source>Engineering tools
for industry
since 1994</source>
        <extracomment>the software designer&apos;s motto in the About window: three short lines, each about 18 characters</extracomment>
        <translation>Ingenieurwerkzeuge
für die Industrie
seit 1994</translation>
    </message>
</context>
<context>
    <name>AssetTableText</name>
    <message>
        <source>Asset</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Ausfälle</translation>
    </message>
    <message>
        <source>A year</source>
        <translation>Pro Jahr</translation>
    </message>
    <message>
        <source>Share of all failures</source>
        <translation>Anteil an allen Ausfällen</translation>
    </message>
    <message>
        <source>Median repair hours</source>
        <translation>Reparaturstunden (Median)</translation>
    </message>
    <message>
        <source>Median downtime hours</source>
        <translation>Stillstandsstunden (Median)</translation>
    </message>
    <message>
        <source>Repeat failures</source>
        <translation>Wiederholte Ausfälle</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>In the column &quot;Repeat failures&quot;, for an asset that failed three times or more.</extracomment>
        <translation>ja</translation>
    </message>
</context>
<context>
    <name>AssumptionsDialog</name>
    <message>
        <source>Assumptions</source>
        <translation>Annahmen</translation>
    </message>
    <message>
        <source>How much of each annual cost a Velmor automatic lubrication system is assumed to save, in percent (0 to 100, in tenths):</source>
        <translation>Wie viel ein automatisches Velmor-Schmiersystem voraussichtlich von jedem jährlichen Kostenposten einspart, in Prozent (0 bis 100, auf ein Zehntel genau):</translation>
    </message>
    <message>
        <source>%1 (%):</source>
        <translation>%1 (%):</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Vorgaben wiederherstellen</translation>
    </message>
    <message>
        <source>The reduction of %1 %2 is not a percentage from 0 to 100 with at most one decimal.</source>
        <translation>Die Senkung für %1 um %2 ist kein Prozentwert von 0 bis 100 mit höchstens einer Nachkommastelle.</translation>
    </message>
    <message>
        <source>Split the savings into hard (cash the plant no longer pays) and soft</source>
        <translation>Einsparungen in harte (Geld, das das Werk nicht mehr ausgibt) und weiche trennen</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Zahlungswirksam</translation>
    </message>
    <message>
        <source>e.g. overtime no longer paid</source>
        <translation>z. B. nicht mehr bezahlte Überstunden</translation>
    </message>
    <message>
        <source>The freed lubrication hours go to:</source>
        <translation>Die frei werdenden Schmierstunden gehen an:</translation>
    </message>
    <message>
        <source>How a failure&apos;s stop is valued; empty fields keep the production value per hour over the hours to replace a bearing:</source>
        <translation>Wie ein Ausfallstillstand bewertet wird; leere Felder behalten den Produktionswert je Stunde über die Stunden für einen Lagerwechsel bei:</translation>
    </message>
    <message>
        <source>Contribution margin (% of the production value)</source>
        <translation>Deckungsbeitrag (% des Produktionswerts)</translation>
    </message>
    <message>
        <source>Lost output made up later (%)</source>
        <translation>Später nachgeholte Produktion (%)</translation>
    </message>
    <message>
        <source>People standing idle during a stop</source>
        <translation>Während eines Stillstands untätige Personen</translation>
    </message>
    <message>
        <source>Their hourly rate (%1/hour)</source>
        <translation>Ihr Stundensatz (%1/Std.)</translation>
    </message>
    <message>
        <source>Stop per failure (hours)</source>
        <translation>Stillstand je Ausfall (Stunden)</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A field&apos;s caption before the field.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>The plant is sold out: every hour lost is revenue lost</source>
        <translation>Das Werk ist ausgelastet: Jede verlorene Stunde ist verlorener Umsatz</translation>
    </message>
    <message>
        <source>The %1 %2 is not a number from 0 to %3.</source>
        <translation>%1 %2 ist keine Zahl von 0 bis %3.</translation>
    </message>
</context>
<context>
    <name>BusinessCase</name>
    <message>
        <source>The %1 %2 %3.</source>
        <translation>%1: %2 %3.</translation>
    </message>
    <message>
        <source>installed system price</source>
        <translation>Systempreis</translation>
    </message>
    <message>
        <source>is not a sum of money</source>
        <translation>ist kein Geldbetrag</translation>
    </message>
    <message>
        <source>installation cost</source>
        <translation>Installationskosten</translation>
    </message>
    <message>
        <source>annual upkeep</source>
        <translation>Jährliche Wartungskosten</translation>
    </message>
    <message>
        <source>evaluation period</source>
        <translation>Betrachtungszeitraum</translation>
    </message>
    <message>
        <source>is not a whole number of years from 1 to 50</source>
        <translation>ist keine ganze Zahl von Jahren zwischen 1 und 50</translation>
    </message>
    <message>
        <source>discount rate</source>
        <translation>Kalkulationszinssatz</translation>
    </message>
    <message>
        <source>is more than %1</source>
        <translation>ist größer als %1</translation>
    </message>
    <message>
        <source>is not a percentage from %1 to %2</source>
        <translation>ist kein Prozentwert von %1 bis %2</translation>
    </message>
    <message>
        <source>An installed system price is needed: without it the installation cost and the annual upkeep are not evaluated.</source>
        <translation>Ein Systempreis ist erforderlich: Ohne ihn werden die Installationskosten und die jährlichen Wartungskosten nicht bewertet.</translation>
    </message>
    <message>
        <source>annual escalation of the labor rates</source>
        <translation>Jährliche Steigerung der Stundensätze</translation>
    </message>
    <message>
        <source>annual escalation of the lubricant price</source>
        <translation>Jährliche Steigerung des Schmierstoffpreises</translation>
    </message>
    <message>
        <source>annual escalation of the bearing price</source>
        <translation>Jährliche Steigerung des Lagerpreises</translation>
    </message>
    <message>
        <source>annual escalation of the production value</source>
        <translation>Jährliche Steigerung des Produktionswerts</translation>
    </message>
    <message>
        <source>annual escalation of the upkeep</source>
        <translation>Jährliche Steigerung der Wartungskosten</translation>
    </message>
    <message>
        <source>income tax rate</source>
        <translation>Ertragsteuersatz</translation>
    </message>
    <message>
        <source>declining-balance rate</source>
        <translation>Degressiver Abschreibungssatz</translation>
    </message>
    <message>
        <source>first-year share of the savings</source>
        <translation>Einsparungsanteil im ersten Jahr</translation>
    </message>
    <message>
        <source>depreciation period</source>
        <translation>Abschreibungsdauer</translation>
    </message>
    <message>
        <source>residual value</source>
        <translation>Restwert</translation>
    </message>
    <message>
        <source>contingency</source>
        <translation>Reserve für Unvorhergesehenes</translation>
    </message>
    <message>
        <source>accuracy below the estimate</source>
        <translation>Genauigkeit unter der Schätzung</translation>
    </message>
    <message>
        <source>accuracy above the estimate</source>
        <translation>Genauigkeit über der Schätzung</translation>
    </message>
    <message>
        <source>hurdle rate</source>
        <translation>Mindestrendite</translation>
    </message>
</context>
<context>
    <name>BusinessCaseText</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 Monate</translation>
    </message>
    <message>
        <source>Initial investment (price and installation): %1</source>
        <translation>Anfangsinvestition (Preis und Installation): %1</translation>
    </message>
    <message>
        <source>Annual upkeep of the system: %1</source>
        <translation>Jährliche Wartungskosten des Systems: %1</translation>
    </message>
    <message>
        <source>Annual savings after upkeep: %1</source>
        <translation>Jährliche Einsparung nach Wartungskosten: %1</translation>
    </message>
    <message>
        <source>Simple payback: %1</source>
        <translation>Statische Amortisationszeit: %1</translation>
    </message>
    <message>
        <source>Simple payback: none, the annual savings do not exceed the upkeep</source>
        <translation>Statische Amortisationszeit: keine, die jährliche Einsparung übersteigt die Wartungskosten nicht</translation>
    </message>
    <message numerus="yes">
        <source>Return on investment over %1 year(s): none, nothing is invested</source>
        <translation>
            <numerusform>Kapitalrendite (ROI) über %1 Jahr: keine, es wird nichts investiert</numerusform>
            <numerusform>Kapitalrendite (ROI) über %1 Jahre: keine, es wird nichts investiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Net present value at %1: %2</source>
        <translation>Kapitalwert bei %1: %2</translation>
    </message>
    <message>
        <source>Internal rate of return: %1</source>
        <translation>Interner Zinsfuß: %1</translation>
    </message>
    <message>
        <source>Internal rate of return: none, the cash flows never change sign</source>
        <translation>Interner Zinsfuß: keiner, die Cashflows wechseln nie das Vorzeichen</translation>
    </message>
    <message>
        <source>Discounted payback: %1 years</source>
        <translation>Dynamische Amortisationszeit: %1 Jahre</translation>
    </message>
    <message numerus="yes">
        <source>Discounted payback: not within the %1 year(s)</source>
        <translation>
            <numerusform>Dynamische Amortisationszeit: nicht innerhalb von %1 Jahr</numerusform>
            <numerusform>Dynamische Amortisationszeit: nicht innerhalb der %1 Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start; the annual net is the annual savings less the annual upkeep, received at the end of each year over the %1 year(s) evaluated. Simple payback = investment ÷ (annual net ÷ 12) months. Return on investment = (savings × years − upkeep × years − investment) ÷ investment. Net present value = −investment + Σ annual net ÷ (1 + rate)^t for t = 1 to %1, at a discount rate of %2. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted annual nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</source>
        <translation>
            <numerusform>So werden die Kennzahlen berechnet. Die Investition ist der Preis des Systems zuzüglich seiner Installation, bezahlt zu Beginn; der jährliche Netto-Cashflow ist die jährliche Einsparung abzüglich der jährlichen Wartungskosten, zugeflossen am Ende des betrachteten Zeitraums von %1 Jahr. Statische Amortisationszeit = Investition ÷ (jährlicher Netto-Cashflow ÷ 12) Monate. Kapitalrendite = (Einsparung × Jahre − Wartungskosten × Jahre − Investition) ÷ Investition. Kapitalwert = −Investition + Σ jährlicher Netto-Cashflow ÷ (1 + Zinssatz)^t für t = 1 bis %1, bei einem Kalkulationszinssatz von %2. Der interne Zinsfuß ist der Zinssatz, bei dem der Kapitalwert null ist. Die dynamische Amortisationszeit ist die Zeit, bis die abgezinsten jährlichen Netto-Cashflows die Investition decken. Das konservative Szenario halbiert jede angenommene Senkung; das optimistische Szenario setzt jede Senkung auf die Mitte zwischen Annahme und 100&#xa0;%.</numerusform>
            <numerusform>So werden die Kennzahlen berechnet. Die Investition ist der Preis des Systems zuzüglich seiner Installation, bezahlt zu Beginn; der jährliche Netto-Cashflow ist die jährliche Einsparung abzüglich der jährlichen Wartungskosten, zugeflossen am Ende jedes der %1 betrachteten Jahre. Statische Amortisationszeit = Investition ÷ (jährlicher Netto-Cashflow ÷ 12) Monate. Kapitalrendite = (Einsparung × Jahre − Wartungskosten × Jahre − Investition) ÷ Investition. Kapitalwert = −Investition + Σ jährlicher Netto-Cashflow ÷ (1 + Zinssatz)^t für t = 1 bis %1, bei einem Kalkulationszinssatz von %2. Der interne Zinsfuß ist der Zinssatz, bei dem der Kapitalwert null ist. Die dynamische Amortisationszeit ist die Zeit, bis die abgezinsten jährlichen Netto-Cashflows die Investition decken. Das konservative Szenario halbiert jede angenommene Senkung; das optimistische Szenario setzt jede Senkung auf die Mitte zwischen Annahme und 100&#xa0;%.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not yet paid back</source>
        <translation>Noch nicht amortisiert</translation>
    </message>
    <message>
        <source>Paid back</source>
        <translation>Amortisiert</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Change of the annual savings ($) at ±%1%</source>
        <translation>Änderung der jährlichen Einsparung ($) bei ±%1&#xa0;%</translation>
    </message>
    <message>
        <source>Lowered by %1%</source>
        <translation>Um %1&#xa0;% gesenkt</translation>
    </message>
    <message>
        <source>Raised by %1%</source>
        <translation>Um %1&#xa0;% erhöht</translation>
    </message>
    <message>
        <source>Bearings in facility</source>
        <translation>Lager in der Anlage</translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation>Lagerausfälle</translation>
    </message>
    <message>
        <source>Lubrication points</source>
        <translation>Schmierstellen</translation>
    </message>
    <message>
        <source>Lubrication frequency</source>
        <translation>Schmierhäufigkeit</translation>
    </message>
    <message>
        <source>Lubricant quantity</source>
        <translation>Schmierstoffmenge</translation>
    </message>
    <message>
        <source>Hourly production rate</source>
        <translation>Produktionswert je Stunde</translation>
    </message>
    <message>
        <source>Cost of lubricant</source>
        <translation>Schmierstoffpreis</translation>
    </message>
    <message>
        <source>Cost of a bearing</source>
        <translation>Preis eines Lagers</translation>
    </message>
    <message>
        <source>Lubrication labor rate</source>
        <translation>Stundensatz Schmieren</translation>
    </message>
    <message>
        <source>Replacement labor rate</source>
        <translation>Stundensatz Lagerwechsel</translation>
    </message>
    <message>
        <source>Time to lubricate a point</source>
        <translation>Zeit je Schmierstelle</translation>
    </message>
    <message>
        <source>Time to replace a bearing</source>
        <translation>Zeit je Lagerwechsel</translation>
    </message>
    <message>
        <source>Lubrication labor reduction (%1%)</source>
        <translation>Senkung Schmierarbeit (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Lubricant reduction (%1%)</source>
        <translation>Senkung Schmierstoff (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Bearings reduction (%1%)</source>
        <translation>Senkung Ersatzlager (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Replacement labor reduction (%1%)</source>
        <translation>Senkung Lagerwechselarbeit (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Lost production reduction (%1%)</source>
        <translation>Senkung Produktionsausfall (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Conservative</source>
        <translation>Konservativ</translation>
    </message>
    <message>
        <source>Assumed</source>
        <translation>Basisszenario</translation>
    </message>
    <message>
        <source>Optimistic</source>
        <translation>Optimistisch</translation>
    </message>
    <message>
        <source>Simple payback: none, nothing is invested</source>
        <translation>Statische Amortisationszeit: keine, es wird nichts investiert</translation>
    </message>
    <message>
        <source>Discounted payback: none, nothing is invested</source>
        <translation>Dynamische Amortisationszeit: keine, es wird nichts investiert</translation>
    </message>
    <message numerus="yes">
        <source>not within %n year(s)</source>
        <translation>
            <numerusform>nicht innerhalb von %n Jahr</numerusform>
            <numerusform>nicht innerhalb von %n Jahren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Simple payback: not within the %n year(s) evaluated (%1 months at the last year&apos;s pace)</source>
        <translation>
            <numerusform>Statische Amortisationszeit: nicht innerhalb des %n betrachteten Jahres (%1 Monate beim Ergebnis des letzten Jahres)</numerusform>
            <numerusform>Statische Amortisationszeit: nicht innerhalb der %n betrachteten Jahre (%1 Monate beim Ergebnis des letzten Jahres)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return on investment, undiscounted, over %1 year(s): %2 (%3 a year)</source>
        <translation>
            <numerusform>Kapitalrendite, nicht abgezinst, über %1 Jahr: %2 (%3 pro Jahr)</numerusform>
            <numerusform>Kapitalrendite, nicht abgezinst, über %1 Jahre: %2 (%3 pro Jahr)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return on investment, undiscounted, over %1 year(s): %2</source>
        <translation>
            <numerusform>Kapitalrendite, nicht abgezinst, über %1 Jahr: %2</numerusform>
            <numerusform>Kapitalrendite, nicht abgezinst, über %1 Jahre: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Profitability index: %1</source>
        <translation>Rentabilitätsindex: %1</translation>
    </message>
    <message>
        <source>Break-even system price: %1</source>
        <translation>Systempreis bei Kapitalwert null: %1</translation>
    </message>
    <message>
        <source>The case holds even without any reduction.</source>
        <translation>Die Investition lohnt sich auch ohne jede Senkung.</translation>
    </message>
    <message>
        <source>The case holds down to %1 of the assumed reductions.</source>
        <translation>Die Investition lohnt sich bis hinab zu %1 der angenommenen Senkungen.</translation>
    </message>
    <message>
        <source>The case needs %1 of the assumed reductions to break even.</source>
        <translation>Für einen Kapitalwert von null sind %1 der angenommenen Senkungen nötig.</translation>
    </message>
    <message>
        <source>Break-even bearing failures: %1 a year</source>
        <translation>Lagerausfälle bei Kapitalwert null: %1 pro Jahr</translation>
    </message>
    <message>
        <source>Break-even bearing failures: none, the case holds even without failures</source>
        <translation>Lagerausfälle bei Kapitalwert null: keine, die Investition lohnt sich auch ohne Ausfälle</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 bei %2</translation>
    </message>
    <message>
        <source>The profitability index is the net present value ÷ investment + 1; the annual return is the one that, compounded over the years, gives the return on investment.</source>
        <translation>Der Rentabilitätsindex ist Kapitalwert ÷ Investition + 1; die jährliche Rendite ist diejenige, die über die Jahre verzinst die Kapitalrendite ergibt.</translation>
    </message>
    <message>
        <source>Cumulative discounted cash flow ($)</source>
        <translation>Kumulierter abgezinster Cashflow ($)</translation>
    </message>
    <message>
        <source>Cumulative cash flow, undiscounted ($)</source>
        <translation>Kumulierter Cashflow, nicht abgezinst ($)</translation>
    </message>
    <message>
        <source>System price</source>
        <translation>Systempreis</translation>
    </message>
    <message>
        <source>Installation cost</source>
        <translation>Installationskosten</translation>
    </message>
    <message>
        <source>Annual upkeep</source>
        <translation>Jährliche Wartungskosten</translation>
    </message>
    <message>
        <source>Discount rate (%1%)</source>
        <translation>Kalkulationszinssatz (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Labor rates&apos; escalation (%1%)</source>
        <translation>Steigerung Stundensätze (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Lubricant price&apos;s escalation (%1%)</source>
        <translation>Steigerung Schmierstoffpreis (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Bearing price&apos;s escalation (%1%)</source>
        <translation>Steigerung Lagerpreis (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Production value&apos;s escalation (%1%)</source>
        <translation>Steigerung Produktionswert (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Upkeep&apos;s escalation (%1%)</source>
        <translation>Steigerung Wartungskosten (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Income tax rate (%1%)</source>
        <translation>Ertragsteuersatz (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Change of the net present value ($) at ±%1%</source>
        <translation>Änderung des Kapitalwerts ($) bei ±%1&#xa0;%</translation>
    </message>
    <message>
        <source>Net present value ($) as the five strongest inputs move</source>
        <translation>Kapitalwert ($) bei Änderung der fünf stärksten Eingangsgrößen</translation>
    </message>
    <message>
        <source>Change of the input (%)</source>
        <translation>Änderung der Eingangsgröße (%)</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message numerus="yes">
        <source>Simple payback: not within the %n year(s) evaluated (%1 months at the last year&apos;s pace without its depreciation&apos;s tax credit)</source>
        <translation>
            <numerusform>Statische Amortisationszeit: nicht innerhalb des %n betrachteten Jahres (%1 Monate beim Ergebnis des letzten Jahres ohne die Steuerersparnis seiner Abschreibung)</numerusform>
            <numerusform>Statische Amortisationszeit: nicht innerhalb der %n betrachteten Jahre (%1 Monate beim Ergebnis des letzten Jahres ohne die Steuerersparnis seiner Abschreibung)</numerusform>
        </translation>
    </message>
    <message>
        <source>Simple payback: %1, but the cumulative net is below zero again from year %2</source>
        <translation>Statische Amortisationszeit: %1, doch der kumulierte Netto-Cashflow ist ab Jahr %2 wieder negativ</translation>
    </message>
    <message>
        <source>Simple payback: never, the annual nets after upkeep and tax do not recover the outlay</source>
        <translation>Statische Amortisationszeit: nie, die jährlichen Netto-Cashflows nach Wartungskosten und Steuern decken die Investition nicht</translation>
    </message>
    <message>
        <source>Discounted payback: %1 years, but the discounted cumulative net is below zero again from year %2</source>
        <translation>Dynamische Amortisationszeit: %1 Jahre, doch der kumulierte diskontierte Netto-Cashflow ist ab Jahr %2 wieder negativ</translation>
    </message>
    <message>
        <source>Discounted payback: never, the annual nets after upkeep and tax do not recover the outlay</source>
        <translation>Dynamische Amortisationszeit: nie, die jährlichen Netto-Cashflows nach Wartungskosten und Steuern decken die Investition nicht</translation>
    </message>
    <message>
        <source>Discounted payback: none, the annual savings do not exceed the upkeep</source>
        <translation>Dynamische Amortisationszeit: keine, die jährliche Einsparung übersteigt die Wartungskosten nicht</translation>
    </message>
    <message>
        <source>Net of year 1, before tax: %1</source>
        <translation>Netto-Cashflow des 1. Jahres vor Steuern: %1</translation>
    </message>
    <message>
        <source>Break-even system price: none, even a free system has a negative net present value</source>
        <translation>Systempreis bei Kapitalwert null: keiner, selbst ein kostenloses System hat einen negativen Kapitalwert</translation>
    </message>
    <message>
        <source>each year&apos;s savings, upkeep and tax spread over the year and discounted by 1 ÷ (1 + rate)^(t − ½), the residual value at the period&apos;s end by 1 ÷ (1 + rate)^t</source>
        <translation>die Einsparung, Wartungskosten und Steuern jedes Jahres über das Jahr verteilt und mit 1 ÷ (1 + Zinssatz)^(t − ½) diskontiert, der Restwert am Ende des Zeitraums mit 1 ÷ (1 + Zinssatz)^t</translation>
    </message>
    <message>
        <source>each year&apos;s net received at the year&apos;s end and discounted by 1 ÷ (1 + rate)^t</source>
        <translation>der Netto-Cashflow jedes Jahres am Jahresende zugeflossen und mit 1 ÷ (1 + Zinssatz)^t diskontiert</translation>
    </message>
    <message numerus="yes">
        <source>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start. Each year&apos;s net is that year&apos;s savings less its upkeep and tax, and in the last of the %1 year(s) evaluated plus the residual value after tax, as the cash-flow table shows. Simple payback is the months until the cumulative net reaches zero, in proportion within the year that reaches it, and beyond the period at the last year&apos;s pace without its depreciation&apos;s tax credit. Return on investment = (Σ savings − Σ upkeep − Σ tax + residual value after tax − investment) ÷ investment. Net present value = −investment + Σ of the nets at a discount rate of %2, %3. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</source>
        <translation>
            <numerusform>So werden die Kennzahlen berechnet. Die Investition ist der Preis des Systems zuzüglich seiner Installation, bezahlt zu Beginn. Der Netto-Cashflow jedes Jahres ist seine Einsparung abzüglich seiner Wartungskosten und Steuern, im letzten des betrachteten Zeitraums von %1 Jahr zuzüglich des Restwerts nach Steuern, wie die Cashflow-Tabelle zeigt. Die statische Amortisationszeit sind die Monate, bis der kumulierte Netto-Cashflow null erreicht, anteilig innerhalb des Jahres, das ihn erreicht, und über den Zeitraum hinaus beim Ergebnis des letzten Jahres ohne die Steuerersparnis seiner Abschreibung. Kapitalrendite = (Σ Einsparung − Σ Wartungskosten − Σ Steuern + Restwert nach Steuern − Investition) ÷ Investition. Kapitalwert = −Investition + Σ der Netto-Cashflows bei einem Kalkulationszinssatz von %2, %3. Der interne Zinsfuß ist der Zinssatz, bei dem der Kapitalwert null ist. Die dynamische Amortisationszeit ist die Zeit, bis die diskontierten Netto-Cashflows die Investition decken. Das konservative Szenario halbiert jede angenommene Senkung; das optimistische Szenario setzt jede Senkung auf die Mitte zwischen Annahme und 100&#xa0;%.</numerusform>
            <numerusform>So werden die Kennzahlen berechnet. Die Investition ist der Preis des Systems zuzüglich seiner Installation, bezahlt zu Beginn. Der Netto-Cashflow jedes Jahres ist seine Einsparung abzüglich seiner Wartungskosten und Steuern, im letzten der %1 betrachteten Jahre zuzüglich des Restwerts nach Steuern, wie die Cashflow-Tabelle zeigt. Die statische Amortisationszeit sind die Monate, bis der kumulierte Netto-Cashflow null erreicht, anteilig innerhalb des Jahres, das ihn erreicht, und über den Zeitraum hinaus beim Ergebnis des letzten Jahres ohne die Steuerersparnis seiner Abschreibung. Kapitalrendite = (Σ Einsparung − Σ Wartungskosten − Σ Steuern + Restwert nach Steuern − Investition) ÷ Investition. Kapitalwert = −Investition + Σ der Netto-Cashflows bei einem Kalkulationszinssatz von %2, %3. Der interne Zinsfuß ist der Zinssatz, bei dem der Kapitalwert null ist. Die dynamische Amortisationszeit ist die Zeit, bis die diskontierten Netto-Cashflows die Investition decken. Das konservative Szenario halbiert jede angenommene Senkung; das optimistische Szenario setzt jede Senkung auf die Mitte zwischen Annahme und 100&#xa0;%.</numerusform>
        </translation>
    </message>
    <message>
        <source>The case needs %1 of the assumed reductions to break even, which no plant reaches: the largest reduction would be %2.</source>
        <translation>Das Szenario braucht %1 der angenommenen Senkungen für einen Kapitalwert von null, was keine Anlage erreicht: die größte Senkung läge bei %2.</translation>
    </message>
    <message>
        <source>No break-even reduction or failure count: the savings do not change the net present value.</source>
        <translation>Keine Senkung oder Ausfallzahl bei Kapitalwert null: Die Einsparung verändert den Kapitalwert nicht.</translation>
    </message>
    <message>
        <source>Simple payback: never, the annual nets after upkeep do not recover the outlay</source>
        <translation>Statische Amortisationszeit: nie, die jährlichen Netto-Cashflows nach Wartungskosten decken die Investition nicht</translation>
    </message>
    <message>
        <source>Discounted payback: never, the annual nets after upkeep do not recover the outlay</source>
        <translation>Dynamische Amortisationszeit: nie, die jährlichen Netto-Cashflows nach Wartungskosten decken die Investition nicht</translation>
    </message>
    <message>
        <source>On hard savings alone (%1 in year 1): net present value %2, internal rate of return %3, simple payback %4</source>
        <translation>Nur mit harten Einsparungen (%1 im 1. Jahr): Kapitalwert %2, interner Zinsfuß %3, statische Amortisationszeit %4</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: the internal rate of return of %2 meets it; the net present value at %1 is %3.</source>
        <translation>Gegenüber der Mindestrendite von %1: Der interne Zinsfuß von %2 erreicht sie; der Kapitalwert bei %1 beträgt %3.</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: the internal rate of return of %2 falls short of it; the net present value at %1 is %3.</source>
        <translation>Gegenüber der Mindestrendite von %1: Der interne Zinsfuß von %2 bleibt darunter; der Kapitalwert bei %1 beträgt %3.</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: no single rate of return, but the net present value at %1 is %2, so the case meets it.</source>
        <translation>Gegenüber der Mindestrendite von %1: kein eindeutiger Zinsfuß, aber der Kapitalwert bei %1 beträgt %2, die Investition erreicht sie also.</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: no single rate of return, and the net present value at %1 is %2, so the case falls short of it.</source>
        <translation>Gegenüber der Mindestrendite von %1: kein eindeutiger Zinsfuß, und der Kapitalwert bei %1 beträgt %2, die Investition bleibt also darunter.</translation>
    </message>
    <message>
        <source>Initial investment (price, installation and %1 contingency): %2</source>
        <translation>Anfangsinvestition (Preis, Installation und %1 Reserve): %2</translation>
    </message>
    <message>
        <source>Estimate accuracy %1 / +%2: an outlay of %3 to %4</source>
        <translation>Schätzgenauigkeit %1 / +%2: eine Anfangsinvestition von %3 bis %4</translation>
    </message>
    <message>
        <source>The investment includes a contingency of %1 on the price and installation.</source>
        <translation>Die Investition enthält eine Reserve von %1 auf Preis und Installation.</translation>
    </message>
    <message>
        <source>Initial outlay, with the one-off items at the start: %1</source>
        <translation>Anfangsinvestition mit den einmaligen Posten zu Beginn: %1</translation>
    </message>
    <message>
        <source>Internal rate of return: none, the cash flows change sign more than once</source>
        <translation>Interner Zinsfuß: keiner, die Cashflows wechseln mehr als einmal das Vorzeichen</translation>
    </message>
    <message>
        <source>Net present value at other rates: %1</source>
        <translation>Der Kapitalwert bei anderen Zinssätzen: %1</translation>
    </message>
</context>
<context>
    <name>BusinessCaseWindow</name>
    <message>
        <source>Business Case</source>
        <translation>Wirtschaftlichkeit</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Kennzahlen</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>Szenarien</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Szenario</translation>
    </message>
    <message>
        <source>Reductions</source>
        <translation>Senkungen</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Jährliche Einsparung</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Amortisation</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Kapitalwert</translation>
    </message>
    <message>
        <source>Step of the sensitivity (±%):</source>
        <translation>Schrittweite der Sensitivität (±%):</translation>
    </message>
    <message>
        <source>Enter the installed system price to see the payback, the return on investment, the net present value and the internal rate of return.</source>
        <translation>Geben Sie den Systempreis ein, um Amortisationszeit, Kapitalrendite, Kapitalwert und internen Zinsfuß zu sehen.</translation>
    </message>
    <message>
        <source>Capital</source>
        <translation>Kapital</translation>
    </message>
    <message>
        <source>Labor rates&apos; escalation (% a year):</source>
        <translation>Steigerung Stundensätze (% pro Jahr):</translation>
    </message>
    <message>
        <source>Lubricant price&apos;s escalation (% a year):</source>
        <translation>Steigerung Schmierstoffpreis (% pro Jahr):</translation>
    </message>
    <message>
        <source>Bearing price&apos;s escalation (% a year):</source>
        <translation>Steigerung Lagerpreis (% pro Jahr):</translation>
    </message>
    <message>
        <source>Production value&apos;s escalation (% a year):</source>
        <translation>Steigerung Produktionswert (% pro Jahr):</translation>
    </message>
    <message>
        <source>Upkeep&apos;s escalation (% a year):</source>
        <translation>Steigerung Wartungskosten (% pro Jahr):</translation>
    </message>
    <message>
        <source>Income tax rate (%):</source>
        <translation>Ertragsteuersatz (%):</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Straight-line</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Declining balance</source>
        <translation>Degressiv</translation>
    </message>
    <message>
        <source>Depreciation:</source>
        <translation>Abschreibung:</translation>
    </message>
    <message>
        <source>Depreciation period (years):</source>
        <translation>Abschreibungsdauer (Jahre):</translation>
    </message>
    <message>
        <source>Declining-balance rate (%):</source>
        <translation>Degressiver Abschreibungssatz (%):</translation>
    </message>
    <message>
        <source>Residual value ($):</source>
        <translation>Restwert ($):</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>First year&apos;s share of the savings (%):</source>
        <translation>Einsparungsanteil im ersten Jahr (%):</translation>
    </message>
    <message>
        <source>At each year&apos;s end</source>
        <translation>Am Ende jedes Jahres</translation>
    </message>
    <message>
        <source>Spread over the year</source>
        <translation>Über das Jahr verteilt</translation>
    </message>
    <message>
        <source>Annual flows fall:</source>
        <translation>Jährliche Cashflows fallen an:</translation>
    </message>
    <message>
        <source>Cash flow</source>
        <translation>Cashflow</translation>
    </message>
    <message>
        <source>Discounted</source>
        <translation>Abgezinst</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Sensitivity of:</source>
        <translation>Sensitivität für:</translation>
    </message>
    <message>
        <source>Net present value (spider)</source>
        <translation>Kapitalwert (Spinnendiagramm)</translation>
    </message>
    <message>
        <source>Risk Ranges…</source>
        <translation>Risikobandbreiten…</translation>
    </message>
    <message>
        <source>Apply Measured Reduction</source>
        <translation>Gemessene Senkung übernehmen</translation>
    </message>
    <message>
        <source>The failures rose after the installation: the records measure no reduction to apply.</source>
        <translation>Die Ausfälle sind nach der Installation gestiegen: Die Aufzeichnungen zeigen keine Senkung, die sich übernehmen ließe.</translation>
    </message>
    <message>
        <source>The replacement bearings, their labor and the lost production are reduced by the measured %1 already.</source>
        <translation>Ersatzlager, ihre Arbeitszeit und der Produktionsausfall sind bereits um die gemessenen %1 gesenkt.</translation>
    </message>
    <message>
        <source>Reduces the replacement bearings, their labor and the lost production by the measured %1.</source>
        <translation>Senkt Ersatzlager, ihre Arbeitszeit und den Produktionsausfall um die gemessenen %1.</translation>
    </message>
    <message>
        <source>Contingency on price and installation (%):</source>
        <translation>Reserve auf Preis und Installation (%):</translation>
    </message>
    <message>
        <source>Estimate accuracy, below (%):</source>
        <translation>Schätzgenauigkeit, nach unten (%):</translation>
    </message>
    <message>
        <source>Estimate accuracy, above (%):</source>
        <translation>Schätzgenauigkeit, nach oben (%):</translation>
    </message>
    <message>
        <source>Company&apos;s hurdle rate (%):</source>
        <translation>Mindestrendite des Unternehmens (%):</translation>
    </message>
    <message>
        <source>Other Savings and One-off Items…</source>
        <translation>Weitere Einsparungen und einmalige Posten…</translation>
    </message>
    <message>
        <source>Alternatives…</source>
        <translation>Alternativen…</translation>
    </message>
    <message>
        <source>Alternatives</source>
        <translation>Alternativen</translation>
    </message>
    <message>
        <source>The case weighs one option against doing nothing.</source>
        <translation>Die Wirtschaftlichkeit stellt eine Alternative dem Nichtstun gegenüber.</translation>
    </message>
</context>
<context>
    <name>CapitalText</name>
    <message>
        <source>Annual escalation from year 2: labor rates %1, lubricant %2, bearings %3, production value %4, upkeep %5.</source>
        <translation>Jährliche Steigerung ab dem 2. Jahr: Stundensätze %1, Schmierstoff %2, Lager %3, Produktionswert %4, Wartungskosten %5.</translation>
    </message>
    <message>
        <source>Income tax at %1 on the savings less the upkeep and the depreciation; a year&apos;s loss is credited against the plant&apos;s other profits.</source>
        <translation>Ertragsteuer von %1 auf die Einsparung abzüglich Wartungskosten und Abschreibung; ein Verlust eines Jahres wird mit den übrigen Gewinnen des Werks verrechnet.</translation>
    </message>
    <message numerus="yes">
        <source>The investment is depreciated straight-line over %n year(s).</source>
        <translation>
            <numerusform>Die Investition wird linear über %n Jahr abgeschrieben.</numerusform>
            <numerusform>Die Investition wird linear über %n Jahre abgeschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Before income tax, at today&apos;s prices every year, with the annual flows at each year&apos;s end.</source>
        <translation>Vor Ertragsteuer, in jedem Jahr zu heutigen Preisen, mit den jährlichen Cashflows am Ende jedes Jahres.</translation>
    </message>
    <message>
        <source>No escalation: every year at today&apos;s prices.</source>
        <translation>Keine Steigerung: jedes Jahr zu heutigen Preisen.</translation>
    </message>
    <message>
        <source>Before income tax.</source>
        <translation>Vor Ertragsteuer.</translation>
    </message>
    <message>
        <source>The annual flows are spread over each year and discounted from its middle; the outlay falls at the start, the residual value at the end.</source>
        <translation>Die jährlichen Cashflows verteilen sich über das Jahr und werden ab dessen Mitte abgezinst; die Investition fällt zu Beginn an, der Restwert am Ende.</translation>
    </message>
    <message>
        <source>The annual flows fall at each year&apos;s end.</source>
        <translation>Die jährlichen Cashflows fallen am Ende jedes Jahres an.</translation>
    </message>
    <message>
        <source>A residual value of %1 at the end of year %2, taxed on its gain over the book value.</source>
        <translation>Ein Restwert von %1 am Ende des Jahres %2, versteuert auf seinen Gewinn über den Buchwert.</translation>
    </message>
    <message>
        <source>A residual value of %1 at the end of year %2.</source>
        <translation>Ein Restwert von %1 am Ende des Jahres %2.</translation>
    </message>
    <message>
        <source>Year 1 reaches %1 of the annual savings while the system is brought in.</source>
        <translation>Im 1. Jahr werden während der Einführung des Systems %1 der jährlichen Einsparung erreicht.</translation>
    </message>
    <message>
        <source>The investment is not depreciated during the period and is written off at its end, the tax credit on it shown with the residual value.</source>
        <translation>Die Investition wird im Betrachtungszeitraum nicht abgeschrieben und an dessen Ende ausgebucht; die Steuergutschrift darauf steht beim Restwert.</translation>
    </message>
    <message>
        <source>The investment is depreciated by declining balance at %1 of its book value a year; what is left is written off at the period&apos;s end, the tax credit on it shown with the residual value.</source>
        <translation>Die Investition wird degressiv mit %1 des Buchwerts pro Jahr abgeschrieben; der Rest wird am Ende des Betrachtungszeitraums ausgebucht, die Steuergutschrift darauf steht beim Restwert.</translation>
    </message>
    <message>
        <source>The estimate may be %1 below or %2 above; the measures are computed on the estimate itself.</source>
        <translation>Die Schätzung kann um %1 darunter oder %2 darüber liegen; die Kennzahlen werden mit der Schätzung selbst berechnet.</translation>
    </message>
    <message>
        <source>The company&apos;s hurdle rate is %1. The discount rate of %2 is the plant&apos;s own choice: any premium for the project&apos;s risk is in it as chosen, not added here.</source>
        <translation>Die Mindestrendite des Unternehmens beträgt %1. Der Kalkulationszinssatz von %2 ist die Wahl des Werks: Ein Zuschlag für das Projektrisiko ist darin so enthalten, wie gewählt, und wird hier nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>A further saving</source>
        <translation>Eine weitere Einsparung</translation>
    </message>
    <message>
        <source>%1: %2 a year, escalating %3 a year, cash.</source>
        <translation>%1: %2 pro Jahr, jährlich um %3 steigend, zahlungswirksam.</translation>
    </message>
    <message>
        <source>%1: %2 a year, escalating %3 a year, not cash.</source>
        <translation>%1: %2 pro Jahr, jährlich um %3 steigend, nicht zahlungswirksam.</translation>
    </message>
    <message>
        <source>%1: %2 a year, cash.</source>
        <translation>%1: %2 pro Jahr, zahlungswirksam.</translation>
    </message>
    <message>
        <source>%1: %2 a year, not cash.</source>
        <translation>%1: %2 pro Jahr, nicht zahlungswirksam.</translation>
    </message>
    <message>
        <source>A one-off item</source>
        <translation>Ein einmaliger Posten</translation>
    </message>
    <message>
        <source>%1: %2 in year %3 and every %4 years after, with the upkeep.</source>
        <translation>%1: %2 im Jahr %3 und danach alle %4 Jahre, bei den Wartungskosten.</translation>
    </message>
    <message>
        <source>%1: %2 at the start, in the outlay.</source>
        <translation>%1: %2 zu Beginn, in der Anfangsinvestition.</translation>
    </message>
    <message>
        <source>%1: %2 in year %3, with the upkeep.</source>
        <translation>%1: %2 im Jahr %3, bei den Wartungskosten.</translation>
    </message>
    <message>
        <source>The cost rows and the upkeep at today&apos;s prices every year.</source>
        <translation>Die Kostenzeilen und die Wartungskosten jedes Jahr zu heutigen Preisen.</translation>
    </message>
    <message>
        <source>A contingency of %1 on the price and installation raises them to %2.</source>
        <translation>Eine Reserve von %1 auf Preis und Installation erhöht diese auf %2.</translation>
    </message>
</context>
<context>
    <name>CaseItemsDialog</name>
    <message>
        <source>Add Row</source>
        <translation>Zeile hinzufügen</translation>
    </message>
    <message>
        <source>Remove Row</source>
        <translation>Zeile entfernen</translation>
    </message>
    <message>
        <source>Other Savings and One-off Items</source>
        <translation>Weitere Einsparungen und einmalige Posten</translation>
    </message>
    <message>
        <source>Amount ($)</source>
        <translation>Betrag ($)</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Amount a year ($)</source>
        <translation>Betrag pro Jahr ($)</translation>
    </message>
    <message>
        <source>Escalation (% a year)</source>
        <translation>Steigerung (% pro Jahr)</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Zahlungswirksam</translation>
    </message>
    <message>
        <source>Annual savings beyond the cost rows, such as work orders no longer raised for routine greasing or waste grease disposal; cash where the plant stops paying them:</source>
        <translation>Jährliche Einsparungen über die Kostenzeilen hinaus, etwa nicht mehr angelegte Aufträge für Routineschmierung oder die Entsorgung von Altfett; zahlungswirksam, wo das Werk sie nicht mehr bezahlt:</translation>
    </message>
    <message>
        <source>Year (0: at the start)</source>
        <translation>Jahr (0: zu Beginn)</translation>
    </message>
    <message>
        <source>Every (years; empty: once)</source>
        <translation>Alle (Jahre; leer: einmal)</translation>
    </message>
    <message>
        <source>One-off items: an outlay in a given year, such as a pump replaced every few years; below zero money received, such as a rebate or grant at the start:</source>
        <translation>Einmalige Posten: eine Ausgabe in einem bestimmten Jahr, etwa eine alle paar Jahre ersetzte Pumpe; unter null erhaltenes Geld, etwa ein Zuschuss oder eine Förderung zu Beginn:</translation>
    </message>
    <message>
        <source>The annual saving in row %1 has no amount a year that reads.</source>
        <translation>Die jährliche Einsparung in Zeile %1 hat keinen lesbaren Betrag pro Jahr.</translation>
    </message>
    <message>
        <source>The escalation of the annual saving in row %1 is not a percentage from %2 to %3.</source>
        <translation>Die Steigerung der jährlichen Einsparung in Zeile %1 ist kein Prozentsatz von %2 bis %3.</translation>
    </message>
    <message>
        <source>The one-off item in row %1 has no amount that reads.</source>
        <translation>Der einmalige Posten in Zeile %1 hat keinen lesbaren Betrag.</translation>
    </message>
    <message>
        <source>The year of the one-off item in row %1 is not a whole year from 0 to %2.</source>
        <translation>Das Jahr des einmaligen Postens in Zeile %1 ist kein ganzes Jahr von 0 bis %2.</translation>
    </message>
    <message>
        <source>The one-off item in row %1 recurs every 1 to %2 whole years or, left empty, falls once.</source>
        <translation>Der einmalige Posten in Zeile %1 wiederholt sich alle 1 bis %2 ganzen Jahre oder, leer gelassen, fällt einmal an.</translation>
    </message>
</context>
<context>
    <name>CashFlowText</name>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Einsparung</translation>
    </message>
    <message>
        <source>Upkeep</source>
        <translation>Wartungskosten</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Abschreibung</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Steuer</translation>
    </message>
    <message>
        <source>Residual value after tax</source>
        <translation>Restwert nach Steuern</translation>
    </message>
    <message>
        <source>Net cash flow</source>
        <translation>Netto-Cashflow</translation>
    </message>
    <message>
        <source>Discounted</source>
        <translation>Abgezinst</translation>
    </message>
    <message>
        <source>Cumulative</source>
        <translation>Kumuliert</translation>
    </message>
    <message>
        <source>Cumulative discounted</source>
        <translation>Kumuliert abgezinst</translation>
    </message>
    <message>
        <source>Residual value and write-off after tax</source>
        <translation>Restwert und Ausbuchung nach Steuern</translation>
    </message>
</context>
<context>
    <name>ChartControl</name>
    <message>
        <source>Lubrication Labor</source>
        <translation>Schmierarbeit</translation>
    </message>
    <message>
        <source>Lubricant Cost</source>
        <translation>Schmierstoffkosten</translation>
    </message>
    <message>
        <source>Bearing Cost</source>
        <translation>Lagerkosten</translation>
    </message>
    <message>
        <source>Replacement Labor</source>
        <translation>Lagerwechsel</translation>
    </message>
    <message>
        <source>Lost Production</source>
        <translation>Produktionsausfall</translation>
    </message>
    <message>
        <source>CURRENT COST</source>
        <translation>ISTKOSTEN</translation>
    </message>
    <message>
        <source>VELMOR COST</source>
        <translation>VELMOR-KOSTEN</translation>
    </message>
    <message>
        <source>SAVINGS</source>
        <translation>EINSPARUNG</translation>
    </message>
    <message>
        <source>current cost</source>
        <translation>Istkosten</translation>
    </message>
    <message>
        <source>Velmor cost</source>
        <translation>Velmor-Kosten</translation>
    </message>
    <message>
        <source>savings</source>
        <translation>Einsparung</translation>
    </message>
    <message>
        <source>ESTIMATED ANNUAL SAVINGS IN DOLLARS</source>
        <translation>GESCHÄTZTE JÄHRLICHE EINSPARUNG IN DOLLAR</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ESTIMATED ANNUAL SAVINGS IN %1</source>
        <translation>GESCHÄTZTE JÄHRLICHE EINSPARUNG IN %1</translation>
    </message>
</context>
<context>
    <name>ClipboardText</name>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Business case</source>
        <translation>Wirtschaftlichkeit</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Initial investment</source>
        <translation>Anfangsinvestition</translation>
    </message>
    <message>
        <source>Simple payback (months)</source>
        <translation>Statische Amortisationszeit (Monate)</translation>
    </message>
    <message numerus="yes">
        <source>Return on investment over %n year(s)</source>
        <translation>
            <numerusform>Kapitalrendite über %n Jahr</numerusform>
            <numerusform>Kapitalrendite über %n Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>Net present value at %1%</source>
        <translation>Kapitalwert bei %1&#xa0;%</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>Interner Zinsfuß</translation>
    </message>
    <message numerus="yes">
        <source>not within %n year(s)</source>
        <translation>
            <numerusform>nicht innerhalb von %n Jahr</numerusform>
            <numerusform>nicht innerhalb von %n Jahren</numerusform>
        </translation>
    </message>
    <message>
        <source>Discounted payback (years)</source>
        <translation>Dynamische Amortisationszeit (Jahre)</translation>
    </message>
    <message>
        <source>Annualised return on investment</source>
        <translation>Kapitalrendite pro Jahr</translation>
    </message>
    <message>
        <source>Profitability index</source>
        <translation>Rentabilitätsindex</translation>
    </message>
    <message>
        <source>Break-even system price</source>
        <translation>Systempreis bei Kapitalwert null</translation>
    </message>
    <message>
        <source>Break-even share of the assumed reductions</source>
        <translation>Anteil der angenommenen Senkungen bei Kapitalwert null</translation>
    </message>
    <message>
        <source>Break-even bearing failures a year</source>
        <translation>Lagerausfälle pro Jahr bei Kapitalwert null</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Hard savings in year 1</source>
        <translation>Harte Einsparungen im 1. Jahr</translation>
    </message>
    <message>
        <source>Net present value on hard savings alone</source>
        <translation>Kapitalwert nur mit harten Einsparungen</translation>
    </message>
    <message>
        <source>Internal rate of return on hard savings alone</source>
        <translation>Interner Zinsfuß nur mit harten Einsparungen</translation>
    </message>
    <message>
        <source>Simple payback on hard savings alone (months)</source>
        <translation>Statische Amortisationszeit nur mit harten Einsparungen (Monate)</translation>
    </message>
    <message>
        <source>Contingency in it</source>
        <translation>Darin enthaltene Reserve</translation>
    </message>
    <message>
        <source>Hurdle rate</source>
        <translation>Mindestrendite</translation>
    </message>
    <message>
        <source>Net present value at the hurdle rate</source>
        <translation>Kapitalwert bei der Mindestrendite</translation>
    </message>
    <message>
        <source>Meets the hurdle rate</source>
        <translation>Erreicht die Mindestrendite</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>CostRows</name>
    <message>
        <source>The Velmor cost assumes that automatic lubrication cuts %1 and %2.</source>
        <translation>Die Velmor-Kosten gehen davon aus, dass die automatische Schmierung %1 und %2 senkt.</translation>
    </message>
    <message>
        <source>Manual Labor to Lubricate</source>
        <translation>Schmierarbeit von Hand</translation>
    </message>
    <message>
        <source>Labor to lubricate (%1% reduction)</source>
        <translation>Schmierarbeit (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>the lubrication labor</source>
        <translation>die Schmierarbeit</translation>
    </message>
    <message>
        <source>Grease used for manual lubrication</source>
        <translation>Schmierstoffverbrauch</translation>
    </message>
    <message>
        <source>Grease consumption (%1% reduction)</source>
        <translation>Schmierstoffverbrauch (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>the lubricant</source>
        <translation>den Schmierstoffverbrauch</translation>
    </message>
    <message>
        <source>New replacement bearings</source>
        <translation>Neue Ersatzlager</translation>
    </message>
    <message>
        <source>New replacement bearings (%1% reduction)</source>
        <translation>Neue Ersatzlager (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>the replacement bearings</source>
        <translation>die Ersatzlager</translation>
    </message>
    <message>
        <source>Labor to replace failed bearings</source>
        <translation>Arbeit für den Lagerwechsel</translation>
    </message>
    <message>
        <source>Bearing replacement labor (%1% reduction)</source>
        <translation>Arbeit für Lagerwechsel (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>the replacement labor</source>
        <translation>die Arbeit für den Lagerwechsel</translation>
    </message>
    <message>
        <source>Lost Production</source>
        <translation>Produktionsausfall</translation>
    </message>
    <message>
        <source>Lost Production (%1% reduction)</source>
        <translation>Produktionsausfall (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>the lost production</source>
        <translation>den Produktionsausfall</translation>
    </message>
    <message>
        <source>Total anual cost of manual lubrication</source>
        <translation>Jahresgesamtkosten Handschmierung</translation>
    </message>
    <message>
        <source>Total annual cost using Velmor automatic lubrication</source>
        <translation>Jahresgesamtkosten Velmor-Automatikschmierung</translation>
    </message>
    <message>
        <source>Total annual savings over manual lubrication costs</source>
        <translation>Jahresgesamteinsparung ggü. Handschmierung</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 um %2</translation>
    </message>
</context>
<context>
    <name>CsvText</name>
    <message>
        <source>It is larger than %1 MB.</source>
        <translation>Sie ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <translation>Sie ist keine Textdatei.</translation>
    </message>
    <message>
        <source>A quoted field that begins on line %1 is never closed.</source>
        <translation>Ein Feld in Anführungszeichen, das in Zeile %1 beginnt, wird nie geschlossen.</translation>
    </message>
    <message>
        <source>It holds no header and no rows.</source>
        <translation>Sie enthält weder Kopfzeile noch Zeilen.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields where the header has %3.</source>
        <translation>Zeile %1 hat %2 Felder, die Kopfzeile aber %3.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields; a table is read with at most %3.</source>
        <translation>Zeile %1 hat %2 Felder; eine Tabelle wird mit höchstens %3 gelesen.</translation>
    </message>
    <message>
        <source>No line holds a header of two column names or more.</source>
        <translation>Keine Zeile enthält eine Kopfzeile mit zwei oder mehr Spaltennamen.</translation>
    </message>
</context>
<context>
    <name>CurrencyUnits</name>
    <message>
        <source>A currency symbol has at most %1 characters.</source>
        <translation>Ein Währungssymbol hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>A currency symbol cannot hold digits, signs, the marks of a figure (. , &apos; %), quotes or invisible characters.</source>
        <translation>Ein Währungssymbol darf keine Ziffern, Vorzeichen, Zahlzeichen (. , &apos; %), Anführungszeichen oder unsichtbaren Zeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>CurrencyUnitsDialog</name>
    <message>
        <source>Currency and Units</source>
        <translation>Währung und Einheiten</translation>
    </message>
    <message>
        <source>Every money figure is typed and shown in this currency; figures are not converted between currencies.</source>
        <translation>Alle Geldbeträge werden in dieser Währung eingegeben und angezeigt; Beträge werden nicht zwischen Währungen umgerechnet.</translation>
    </message>
    <message>
        <source>Currency symbol:</source>
        <translation>Währungssymbol:</translation>
    </message>
    <message>
        <source>A figure shows as:</source>
        <translation>Ein Betrag erscheint als:</translation>
    </message>
    <message>
        <source>Imperial (lb)</source>
        <translation>Angloamerikanisch (lb)</translation>
    </message>
    <message>
        <source>Metric (kg)</source>
        <translation>Metrisch (kg)</translation>
    </message>
    <message>
        <source>Lubricant weighed in:</source>
        <translation>Schmierstoffgewicht in:</translation>
    </message>
    <message>
        <source>Lubricant quantity and price will be converted to kilograms; the results stay the same.</source>
        <translation>Schmierstoffmenge und -preis werden in Kilogramm umgerechnet; die Ergebnisse bleiben gleich.</translation>
    </message>
    <message>
        <source>Lubricant quantity and price will be converted to pounds; the results stay the same.</source>
        <translation>Schmierstoffmenge und -preis werden in Pfund umgerechnet; die Ergebnisse bleiben gleich.</translation>
    </message>
    <message>
        <source>The lubricant %1 will be converted to kilograms; the %2 holds no number and stays as typed.</source>
        <translation>Beim Schmierstoff wird %1 in Kilogramm umgerechnet; %2 enthält keine Zahl und bleibt wie eingegeben.</translation>
    </message>
    <message>
        <source>The lubricant %1 will be converted to pounds; the %2 holds no number and stays as typed.</source>
        <translation>Beim Schmierstoff wird %1 in Pfund umgerechnet; %2 enthält keine Zahl und bleibt wie eingegeben.</translation>
    </message>
    <message>
        <source>quantity</source>
        <translation>die Menge</translation>
    </message>
    <message>
        <source>price</source>
        <translation>der Preis</translation>
    </message>
    <message>
        <source>The lubricant quantity and price hold no numbers and stay as typed.</source>
        <translation>Schmierstoffmenge und -preis enthalten keine Zahlen und bleiben wie eingegeben.</translation>
    </message>
</context>
<context>
    <name>DocumentHistory</name>
    <message>
        <source>Open %1</source>
        <translation>Öffnen von %1</translation>
    </message>
    <message>
        <source>Typing in %1</source>
        <translation>Eingabe in %1</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Maintenance Records</source>
        <translation>Instandhaltungsaufzeichnungen</translation>
    </message>
    <message>
        <source>Change of the Investment</source>
        <translation>Änderung der Investition</translation>
    </message>
    <message>
        <source>Change of the Capital Inputs</source>
        <translation>Änderung der Kapitalangaben</translation>
    </message>
    <message>
        <source>Change of the Assumptions</source>
        <translation>Änderung der Annahmen</translation>
    </message>
    <message>
        <source>Change of the Currency and Units</source>
        <translation>Änderung von Währung und Einheiten</translation>
    </message>
    <message>
        <source>Change of the Report Details</source>
        <translation>Änderung der Berichtsangaben</translation>
    </message>
    <message>
        <source>Change of the Risk Ranges</source>
        <translation>Änderung der Risikobandbreiten</translation>
    </message>
    <message>
        <source>Change of the Figures</source>
        <translation>Änderung der Daten</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
</context>
<context>
    <name>FacilityFile</name>
    <message>
        <source>Could not open %1. %2</source>
        <translation>%1 konnte nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Could not save %1. %2</source>
        <translation>%1 konnte nicht gespeichert werden. %2</translation>
    </message>
    <message>
        <source>is not valid text</source>
        <translation>ist kein gültiger Text</translation>
    </message>
    <message>
        <source>is longer than a field holds</source>
        <translation>ist länger, als ein Feld fassen kann</translation>
    </message>
    <message>
        <source>The figures were typed in regional settings that are not known here (%1).</source>
        <translation>Die Werte wurden mit Regionaleinstellungen eingegeben, die hier nicht bekannt sind (%1).</translation>
    </message>
    <message>
        <source>The figure for %1 %2.</source>
        <translation>Der Wert für %1 %2.</translation>
    </message>
    <message>
        <source>The figure for %1 holds characters an input field cannot show.</source>
        <translation>Der Wert für %1 enthält Zeichen, die ein Eingabefeld nicht anzeigen kann.</translation>
    </message>
    <message>
        <source>The report detail %1 %2.</source>
        <translation>Die Berichtsangabe %1 %2.</translation>
    </message>
    <message>
        <source>The investment&apos;s %1 %2.</source>
        <translation>Die Investitionsangabe %1 %2.</translation>
    </message>
    <message>
        <source>An assumed reduction is not a percentage from 0 to 100 in tenths.</source>
        <translation>Eine angenommene Senkung ist kein Prozentwert von 0 bis 100 in Zehntelschritten.</translation>
    </message>
    <message>
        <source>The figures are too long for a facility file, which holds at most 64 KiB.</source>
        <translation>Die Werte sind zu lang für eine Anlagendatei, die höchstens 64 KiB fasst.</translation>
    </message>
    <message>
        <source>The file&apos;s %1 are not valid.</source>
        <translation>Der Abschnitt „%1“ der Datei ist ungültig.</translation>
    </message>
    <message>
        <source>The %1 %2 is not a text.</source>
        <translation>Der Eintrag %2 (%1) ist kein Text.</translation>
    </message>
    <message>
        <source>The file is larger than 64 KiB, too large for a facility file.</source>
        <translation>Die Datei ist größer als 64 KiB und damit zu groß für eine Anlagendatei.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Die Datei ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>The file is not a facility file: it is not JSON (%1 at byte %2).</source>
        <translation>Die Datei ist keine Anlagendatei: Sie ist kein JSON (%1 bei Byte %2).</translation>
    </message>
    <message>
        <source>The file holds the key %1 twice.</source>
        <translation>Die Datei enthält den Schlüssel %1 zweimal.</translation>
    </message>
    <message>
        <source>The file is not a facility file.</source>
        <translation>Die Datei ist keine Anlagendatei.</translation>
    </message>
    <message>
        <source>The file has no valid version number.</source>
        <translation>Die Datei hat keine gültige Versionsnummer.</translation>
    </message>
    <message>
        <source>The file was saved by a newer version of this program.</source>
        <translation>Die Datei wurde mit einer neueren Version dieses Programms gespeichert.</translation>
    </message>
    <message>
        <source>The file does not say in which regional settings its figures were typed.</source>
        <translation>Die Datei gibt nicht an, mit welchen Regionaleinstellungen ihre Werte eingegeben wurden.</translation>
    </message>
    <message>
        <source>The file holds no figures.</source>
        <translation>Die Datei enthält keine Werte.</translation>
    </message>
    <message>
        <source>one figure</source>
        <translation>einen Wert</translation>
    </message>
    <message>
        <source>%1 figures</source>
        <translation>%1 Werte</translation>
    </message>
    <message>
        <source>The file holds %1 instead of %2.</source>
        <translation>Die Datei enthält %1 statt %2.</translation>
    </message>
    <message>
        <source>The figure for %1 is not a text.</source>
        <translation>Der Wert für %1 ist kein Text.</translation>
    </message>
    <message>
        <source>The file&apos;s assumptions are not valid.</source>
        <translation>Die Annahmen in der Datei sind ungültig.</translation>
    </message>
    <message>
        <source>The assumed reduction %1 is not a percentage from 0 to 100 in tenths.</source>
        <translation>Die angenommene Senkung %1 ist kein Prozentwert von 0 bis 100 in Zehntelschritten.</translation>
    </message>
    <message>
        <source>Could not open the figures. No file name was given.</source>
        <translation>Die Daten konnten nicht geöffnet werden. Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Die Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Could not save the figures. No file name was given.</source>
        <translation>Die Daten konnten nicht gespeichert werden. Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>site</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>prepared by</source>
        <translation>Erstellt von</translation>
    </message>
    <message>
        <source>system price</source>
        <translation>Systempreis</translation>
    </message>
    <message>
        <source>installation cost</source>
        <translation>Installationskosten</translation>
    </message>
    <message>
        <source>annual upkeep</source>
        <translation>jährliche Wartungskosten</translation>
    </message>
    <message>
        <source>evaluation period</source>
        <translation>Betrachtungszeitraum</translation>
    </message>
    <message>
        <source>discount rate</source>
        <translation>Kalkulationszinssatz</translation>
    </message>
    <message>
        <source>report details</source>
        <translation>Berichtsangaben</translation>
    </message>
    <message>
        <source>report detail</source>
        <translation>Berichtsangabe</translation>
    </message>
    <message>
        <source>investment details</source>
        <translation>Investitionsangaben</translation>
    </message>
    <message>
        <source>investment detail</source>
        <translation>Investitionsangabe</translation>
    </message>
    <message>
        <source>The currency symbol %1 is not valid. %2</source>
        <translation>Das Währungssymbol %1 ist ungültig. %2</translation>
    </message>
    <message>
        <source>The currency symbol %1 is not valid.</source>
        <translation>Das Währungssymbol %1 ist ungültig.</translation>
    </message>
    <message>
        <source>The file&apos;s currency and units are not valid.</source>
        <translation>Währung und Einheiten der Datei sind ungültig.</translation>
    </message>
    <message>
        <source>The currency symbol is not a text.</source>
        <translation>Das Währungssymbol ist kein Text.</translation>
    </message>
    <message>
        <source>The units are neither &quot;imperial&quot; nor &quot;metric&quot;.</source>
        <translation>Die Einheiten sind weder „imperial“ noch „metric“.</translation>
    </message>
    <message>
        <source>escalation of the labor rates</source>
        <translation>Steigerung der Stundensätze</translation>
    </message>
    <message>
        <source>escalation of the lubricant price</source>
        <translation>Steigerung des Schmierstoffpreises</translation>
    </message>
    <message>
        <source>escalation of the bearing price</source>
        <translation>Steigerung des Lagerpreises</translation>
    </message>
    <message>
        <source>escalation of the production value</source>
        <translation>Steigerung des Produktionswerts</translation>
    </message>
    <message>
        <source>escalation of the upkeep</source>
        <translation>Steigerung der Wartungskosten</translation>
    </message>
    <message>
        <source>income tax rate</source>
        <translation>Ertragsteuersatz</translation>
    </message>
    <message>
        <source>depreciation period</source>
        <translation>Abschreibungsdauer</translation>
    </message>
    <message>
        <source>declining-balance rate</source>
        <translation>degressiver Abschreibungssatz</translation>
    </message>
    <message>
        <source>residual value</source>
        <translation>Restwert</translation>
    </message>
    <message>
        <source>first-year share</source>
        <translation>Anteil im ersten Jahr</translation>
    </message>
    <message>
        <source>capital inputs</source>
        <translation>Kapitalangaben</translation>
    </message>
    <message>
        <source>capital input</source>
        <translation>Kapitalangabe</translation>
    </message>
    <message>
        <source>The capital input %1 %2.</source>
        <translation>Die Kapitalangabe %1 %2.</translation>
    </message>
    <message>
        <source>The capital inputs&apos; choices are not valid.</source>
        <translation>Die gewählten Optionen der Kapitalangaben sind ungültig.</translation>
    </message>
    <message>
        <source>The depreciation is none of &quot;none&quot;, &quot;straightLine&quot; and &quot;decliningBalance&quot;.</source>
        <translation>Die Abschreibung ist weder „none“ noch „straightLine“ noch „decliningBalance“.</translation>
    </message>
    <message>
        <source>The timing of the cash flows is neither &quot;yearEnd&quot; nor &quot;midYear&quot;.</source>
        <translation>Der Zeitpunkt der Cashflows ist weder „yearEnd“ noch „midYear“.</translation>
    </message>
    <message>
        <source>The file&apos;s work-order records are not valid (%1).</source>
        <translation>Die Instandhaltungsaufträge der Datei sind ungültig (%1).</translation>
    </message>
    <message>
        <source>The file&apos;s risk ranges are not valid (%1).</source>
        <translation>Die Risikobandbreiten der Datei sind ungültig (%1).</translation>
    </message>
    <message>
        <source>The file&apos;s hard and soft savings are not valid (%1).</source>
        <translation>Die harten und weichen Einsparungen der Datei sind ungültig (%1).</translation>
    </message>
    <message>
        <source>The file&apos;s lost-production rule is not valid (%1).</source>
        <translation>Die Regel für den Produktionsausfall in der Datei ist ungültig (%1).</translation>
    </message>
    <message>
        <source>contingency</source>
        <translation>Reserve für Unvorhergesehenes</translation>
    </message>
    <message>
        <source>accuracy below the estimate</source>
        <translation>Genauigkeit unter der Schätzung</translation>
    </message>
    <message>
        <source>accuracy above the estimate</source>
        <translation>Genauigkeit über der Schätzung</translation>
    </message>
    <message>
        <source>hurdle rate</source>
        <translation>Mindestrendite</translation>
    </message>
    <message>
        <source>The file&apos;s options are not valid (%1).</source>
        <translation>Die Alternativen der Datei sind ungültig (%1).</translation>
    </message>
    <message>
        <source>The file holds more options than the case weighs.</source>
        <translation>Die Datei enthält mehr Alternativen, als die Wirtschaftlichkeit vergleicht.</translation>
    </message>
    <message>
        <source>The option %1: %2</source>
        <translation>Die Alternative %1: %2</translation>
    </message>
    <message>
        <source>The option&apos;s name %1.</source>
        <translation>Der Name der Alternative %1.</translation>
    </message>
</context>
<context>
    <name>FigureCommands</name>
    <message>
        <source>Facility figures (*.velmor)</source>
        <translation>Anlagendaten (*.velmor)</translation>
    </message>
    <message>
        <source>Open Figures…</source>
        <translation>Daten öffnen…</translation>
    </message>
    <message>
        <source>Save Figures</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>Save Figures As…</source>
        <translation>Daten speichern unter…</translation>
    </message>
    <message>
        <source>Report Details…</source>
        <translation>Berichtsangaben…</translation>
    </message>
    <message>
        <source>Assumptions…</source>
        <translation>Annahmen…</translation>
    </message>
    <message>
        <source>Business Case…</source>
        <translation>Wirtschaftlichkeit…</translation>
    </message>
    <message>
        <source>Export Report as PDF…</source>
        <translation>Bericht als PDF exportieren…</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Bericht drucken…</translation>
    </message>
    <message>
        <source>Copy Results</source>
        <translation>Ergebnisse kopieren</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before closing?</source>
        <translation>Änderungen an „%1“ vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before opening other figures?</source>
        <translation>Änderungen an „%1“ speichern, bevor andere Daten geöffnet werden?</translation>
    </message>
    <message>
        <source>Changes not saved are lost.</source>
        <translation>Nicht gespeicherte Änderungen gehen verloren.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Open Figures</source>
        <translation>Daten öffnen</translation>
    </message>
    <message>
        <source>Facility figures.velmor</source>
        <translation>Anlagendaten.velmor</translation>
    </message>
    <message>
        <source>Save Figures As</source>
        <translation>Daten speichern unter</translation>
    </message>
    <message>
        <source>Lubrication Cost Savings Report.pdf</source>
        <translation>Bericht Schmierkosteneinsparung.pdf</translation>
    </message>
    <message>
        <source>%1 - Lubrication Cost Savings Report.pdf</source>
        <translation>%1 - Bericht Schmierkosteneinsparung.pdf</translation>
    </message>
    <message>
        <source>Export Report as PDF</source>
        <translation>Bericht als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <source>Currency and Units…</source>
        <translation>Währung und Einheiten…</translation>
    </message>
    <message>
        <source>Export Workbook…</source>
        <translation>Arbeitsmappe exportieren…</translation>
    </message>
    <message>
        <source>Export Workbook</source>
        <translation>Arbeitsmappe exportieren</translation>
    </message>
    <message>
        <source>Lubrication Cost Savings.xlsx</source>
        <translation>Schmierkosteneinsparung.xlsx</translation>
    </message>
    <message>
        <source>%1 - Lubrication Cost Savings.xlsx</source>
        <translation>%1 - Schmierkosteneinsparung.xlsx</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel-Arbeitsmappen (*.xlsx)</translation>
    </message>
    <message>
        <source>Work-order exports (*.csv *.txt *.xlsx)</source>
        <translation>Exporte von Instandhaltungsaufträgen (*.csv *.txt *.xlsx)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Maintenance Records…</source>
        <translation>Instandhaltungsaufzeichnungen öffnen…</translation>
    </message>
    <message>
        <source>Open Maintenance Records</source>
        <translation>Instandhaltungsaufzeichnungen öffnen</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Es ist kein Drucker installiert.</translation>
    </message>
    <message>
        <source>Export the report as a PDF document instead?</source>
        <translation>Den Bericht stattdessen als PDF-Dokument exportieren?</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>%1

The results cannot be computed from these figures. Please check the figures under &quot;Your Data&quot;.</source>
        <translation>%1

Aus diesen Werten lassen sich keine Ergebnisse berechnen. Bitte prüfen Sie die Werte unter „Ihre Daten“.</translation>
    </message>
    <message>
        <source>More Information</source>
        <translation>Mehr Informationen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Velmor logo</source>
        <translation>Velmor-Logo</translation>
    </message>
    <message>
        <source>Calculator icon</source>
        <translation>Rechner-Symbol</translation>
    </message>
    <message>
        <source>Velmor banner</source>
        <translation>Velmor-Banner</translation>
    </message>
    <message>
        <source>A lubrication pump and a bearing beside the Velmor logo</source>
        <translation>Eine Schmierpumpe und ein Lager neben dem Velmor-Logo</translation>
    </message>
    <message>
        <source>HALDMARK and Velmor banner</source>
        <translation>HALDMARK- und Velmor-Banner</translation>
    </message>
    <message>
        <source>Lubrication equipment, the HALDMARK logo and the Velmor logo</source>
        <translation>Schmiertechnik, das HALDMARK-Logo und das Velmor-Logo</translation>
    </message>
    <message>
        <source>Savings chart</source>
        <translation>Diagramm der Einsparung</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Facility files, the customer report, copying the results and zoom</source>
        <translation>Anlagendateien, Kundenbericht, Ergebnisse kopieren und Zoom</translation>
    </message>
    <message>
        <source>Series Bar Graph</source>
        <translation>Balkendiagramm</translation>
    </message>
    <message>
        <source>Pie Chart</source>
        <translation>Kreisdiagramm</translation>
    </message>
    <message>
        <source>Line Graph</source>
        <translation>Liniendiagramm</translation>
    </message>
    <message>
        <source>Area Graph</source>
        <translation>Flächendiagramm</translation>
    </message>
    <message>
        <source>Step Graph</source>
        <translation>Stufendiagramm</translation>
    </message>
    <message>
        <source>Stacked Bar Graph</source>
        <translation>Gestapelte Balken</translation>
    </message>
    <message>
        <source>Velmor Automatic Lubrication Systems</source>
        <translation>Automatische Velmor-Schmiersysteme</translation>
    </message>
    <message>
        <source>About Velmor</source>
        <translation>Über Velmor</translation>
    </message>
    <message>
        <source>Your Data</source>
        <translation>Ihre Daten</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>This calculator will provide you with an estimated cost comparison between your existing lubrication method and a VELMOR® Centralized Lubrication System by HALDMARK® Inc.</source>
        <translation>Dieser Rechner liefert Ihnen einen geschätzten Kostenvergleich zwischen Ihrer bisherigen Schmiermethode und einem VELMOR®-Zentralschmiersystem von HALDMARK® Inc.</translation>
    </message>
    <message>
        <source>To calculate costs particular to your facility, enter the required data in the data fields found under the &quot;Your Data&quot; tab above.</source>
        <translation>Um die Kosten für Ihren Betrieb zu berechnen, geben Sie die benötigten Daten in die Felder auf der Registerkarte „Ihre Daten“ oben ein.</translation>
    </message>
    <message>
        <source>Once your data are properly entered, you can review the effect of using a VELMOR Centralized Lubrication System under the &quot;Velmor Cost&quot; tab and the savings that can be realized under the &quot;Savings&quot; tab. A comparison of the results can be reviewed in graphical format under the &quot;Graph&quot; tab above.</source>
        <translation>Sobald Ihre Daten eingegeben sind, sehen Sie unter „Velmor-Kosten“ die Wirkung eines VELMOR-Zentralschmiersystems und unter „Einsparung“ die erzielbare Einsparung. Einen grafischen Vergleich der Ergebnisse zeigt die Registerkarte „Diagramm“ oben.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>About HALDMARK®</source>
        <translation>Über HALDMARK®</translation>
    </message>
    <message>
        <source>Software Design</source>
        <translation>Softwaredesign</translation>
    </message>
    <message>
        <source>HALDMARK banner</source>
        <translation>HALDMARK-Banner</translation>
    </message>
    <message>
        <source>Corvane Software logo</source>
        <translation>Logo von Corvane Software</translation>
    </message>
    <message>
        <source>Calculator icon</source>
        <translation>Rechner-Symbol</translation>
    </message>
    <message>
        <source>Phone: </source>
        <translation>Telefon: </translation>
    </message>
    <message>
        <source>Fax: </source>
        <translation>Fax: </translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>E-Mail: </translation>
    </message>
    <message>
        <source>WWW: </source>
        <translation>Web: </translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>The figures</source>
        <translation>Die Daten</translation>
    </message>
    <message>
        <source>Keeping, printing and sharing the figures</source>
        <translation>Daten speichern, drucken und weitergeben</translation>
    </message>
    <message>
        <source>How the figures are computed</source>
        <translation>Wie die Zahlen berechnet werden</translation>
    </message>
    <message>
        <source>The business case</source>
        <translation>Die Wirtschaftlichkeit</translation>
    </message>
    <message>
        <source>Maintenance records and the risk range</source>
        <translation>Instandhaltungsaufzeichnungen und Risikobandbreite</translation>
    </message>
    <message>
        <source>Glossary of the translations</source>
        <translation>Glossar der Übersetzungen</translation>
    </message>
    <message>
        <source>%1 (%2): %3.</source>
        <translation>%1 (%2): %3.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>Inputs</name>
    <message>
        <source>FACILITY PARTICULARS</source>
        <translation>ANGABEN ZUR ANLAGE</translation>
    </message>
    <message>
        <source>Number of bearings in facility</source>
        <translation>Anzahl Lager in der Anlage</translation>
    </message>
    <message>
        <source> total</source>
        <translation> gesamt</translation>
    </message>
    <message>
        <source>bearings installed in the facility</source>
        <translation>in der Anlage verbaute Lager</translation>
    </message>
    <message>
        <source>Number of bearing failures</source>
        <translation>Anzahl Lagerausfälle</translation>
    </message>
    <message>
        <source> per year</source>
        <translation> pro Jahr</translation>
    </message>
    <message>
        <source>bearings that fail per year</source>
        <translation>Lager, die pro Jahr ausfallen</translation>
    </message>
    <message>
        <source>Number of lubrication points</source>
        <translation>Anzahl Schmierstellen</translation>
    </message>
    <message>
        <source>points lubricated by hand</source>
        <translation>von Hand geschmierte Stellen</translation>
    </message>
    <message>
        <source>Lubrication frequency</source>
        <translation>Schmierhäufigkeit</translation>
    </message>
    <message>
        <source> per month</source>
        <translation> pro Monat</translation>
    </message>
    <message>
        <source>times each point is lubricated per month</source>
        <translation>wie oft jede Stelle pro Monat geschmiert wird</translation>
    </message>
    <message>
        <source>Lubricant quantity</source>
        <translation>Schmierstoffmenge</translation>
    </message>
    <message>
        <source> lbs/year</source>
        <translation> lb/Jahr</translation>
    </message>
    <message>
        <source>pounds of lubricant used per year</source>
        <translation>Schmierstoffverbrauch in Pfund pro Jahr</translation>
    </message>
    <message>
        <source>Hourly production rate</source>
        <translation>Produktionswert je Stunde</translation>
    </message>
    <message>
        <source> $/hour</source>
        <translation> $/Std.</translation>
    </message>
    <message>
        <source>value of production lost per hour of stoppage</source>
        <translation>Wert der Produktion, die je Stunde Stillstand verloren geht</translation>
    </message>
    <message>
        <source>MATERIAL COST (Average)</source>
        <translation>MATERIALKOSTEN (Durchschnitt)</translation>
    </message>
    <message>
        <source>Cost of Lubricant</source>
        <translation>Schmierstoffpreis</translation>
    </message>
    <message>
        <source> $/lb.</source>
        <translation> $/lb</translation>
    </message>
    <message>
        <source>price of lubricant per pound</source>
        <translation>Preis des Schmierstoffs je Pfund</translation>
    </message>
    <message>
        <source>Cost of Replacement Bearing</source>
        <translation>Preis je Ersatzlager</translation>
    </message>
    <message>
        <source> $/each</source>
        <translation> $/Stück</translation>
    </message>
    <message>
        <source>price of one replacement bearing</source>
        <translation>Preis eines Ersatzlagers</translation>
    </message>
    <message>
        <source>LABOR COST (Average)</source>
        <translation>LOHNKOSTEN (Durchschnitt)</translation>
    </message>
    <message>
        <source>Lubrication </source>
        <translation>Schmieren </translation>
    </message>
    <message>
        <source>hourly labor rate for lubricating</source>
        <translation>Stundensatz für das Schmieren</translation>
    </message>
    <message>
        <source>Bearing Replacement</source>
        <translation>Lagerwechsel</translation>
    </message>
    <message>
        <source>hourly labor rate for replacing bearings</source>
        <translation>Stundensatz für den Lagerwechsel</translation>
    </message>
    <message>
        <source>TIME (Average)</source>
        <translation>ZEIT (Durchschnitt)</translation>
    </message>
    <message>
        <source>Lubricate a single point</source>
        <translation>Eine Stelle schmieren</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> Minuten</translation>
    </message>
    <message>
        <source>minutes to lubricate one point once</source>
        <translation>Minuten, um eine Stelle einmal zu schmieren</translation>
    </message>
    <message>
        <source>Replace a bearing</source>
        <translation>Ein Lager wechseln</translation>
    </message>
    <message>
        <source> hours</source>
        <translation> Stunden</translation>
    </message>
    <message>
        <source>hours to replace one failed bearing (and stoppage per failure)</source>
        <translation>Stunden für den Wechsel eines ausgefallenen Lagers (und Stillstand je Ausfall)</translation>
    </message>
    <message>
        <source> kg/year</source>
        <translation> kg/Jahr</translation>
    </message>
    <message>
        <source> $/kg</source>
        <translation> $/kg</translation>
    </message>
    <message>
        <source>The figure for “%1” is not a number.</source>
        <translation>Der Wert für „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>It reads %1.</source>
        <translation>Dort steht %1.</translation>
    </message>
    <message>
        <source>bearings</source>
        <translation>Lager</translation>
    </message>
    <message>
        <source>failures</source>
        <translation>Ausfälle</translation>
    </message>
    <message>
        <source>points</source>
        <translation>Schmierstellen</translation>
    </message>
    <message>
        <source>times per month</source>
        <translation>Schmiervorgänge pro Monat</translation>
    </message>
    <message>
        <source>lbs. per year</source>
        <translation>lb pro Jahr</translation>
    </message>
    <message>
        <source>production value per hour</source>
        <translation>Produktionswert je Stunde</translation>
    </message>
    <message>
        <source>price per lb.</source>
        <translation>Preis je lb</translation>
    </message>
    <message>
        <source>bearing price</source>
        <translation>Lagerpreis</translation>
    </message>
    <message>
        <source>labor rate</source>
        <translation>Stundensatz</translation>
    </message>
    <message>
        <source>minutes per point</source>
        <translation>Minuten je Stelle</translation>
    </message>
    <message>
        <source>hours per replacement</source>
        <translation>Stunden je Wechsel</translation>
    </message>
    <message>
        <source>price per kg</source>
        <translation>Preis je kg</translation>
    </message>
    <message>
        <source>kg per year</source>
        <translation>kg pro Jahr</translation>
    </message>
    <message>
        <source>price of lubricant per kilogram</source>
        <translation>Preis des Schmierstoffs je Kilogramm</translation>
    </message>
    <message>
        <source>kilograms of lubricant used per year</source>
        <translation>Schmierstoffverbrauch in Kilogramm pro Jahr</translation>
    </message>
</context>
<context>
    <name>InvestmentFields</name>
    <message>
        <source>Investment</source>
        <translation>Investition</translation>
    </message>
    <message>
        <source>Installed system price ($):</source>
        <translation>Systempreis ($):</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>Installation cost ($):</source>
        <translation>Installationskosten ($):</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Annual upkeep of the system ($):</source>
        <translation>Jährliche Wartungskosten ($):</translation>
    </message>
    <message>
        <source>Evaluation period (years):</source>
        <translation>Betrachtungszeitraum (Jahre):</translation>
    </message>
    <message>
        <source>Discount rate (%):</source>
        <translation>Kalkulationszinssatz (%):</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The settings file %1 is not a regular file; it is ignored, and the settings are the defaults.</source>
        <translation>Die Einstellungsdatei %1 ist keine reguläre Datei; sie wird ignoriert, und es gelten die Standardeinstellungen.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>The calculator will be shown in the chosen language the next time it is started.</source>
        <translation>Der Rechner wird beim nächsten Start in der gewählten Sprache angezeigt.</translation>
    </message>
</context>
<context>
    <name>ListText</name>
    <message>
        <source>, </source>
        <comment>between the items of a list in running text, with any blank</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences of a paragraph, one after the other</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>LostProductionText</name>
    <message>
        <source>margin %</source>
        <translation>Deckungsbeitrag %</translation>
    </message>
    <message>
        <source>made up %</source>
        <translation>nachgeholt %</translation>
    </message>
    <message>
        <source>idle crew</source>
        <translation>untätige Personen</translation>
    </message>
    <message>
        <source>their rate</source>
        <translation>ihr Stundensatz</translation>
    </message>
    <message>
        <source>stop hours</source>
        <translation>Stillstandsstunden</translation>
    </message>
    <message>
        <source>The plant is sold out: a lost hour is valued at the whole production value.</source>
        <translation>Das Werk ist ausgelastet: Eine verlorene Stunde wird mit dem ganzen Produktionswert bewertet.</translation>
    </message>
    <message>
        <source>A lost hour is valued at its contribution margin, %1 of the production value.</source>
        <translation>Eine verlorene Stunde wird mit ihrem Deckungsbeitrag bewertet, %1 des Produktionswerts.</translation>
    </message>
    <message>
        <source>%1 of the lost output is made up later and not counted as lost.</source>
        <translation>%1 der ausgefallenen Produktion wird später nachgeholt und nicht als verloren gezählt.</translation>
    </message>
    <message numerus="yes">
        <source>A failure stops production for %1 hour(s); the labor to replace the bearing is counted over the hours to replace it.</source>
        <translation>
            <numerusform>Ein Ausfall stoppt die Produktion für %1 Stunde; die Arbeit für den Lagerwechsel wird über die Stunden für den Lagerwechsel gezählt.</numerusform>
            <numerusform>Ein Ausfall stoppt die Produktion für %1 Stunden; die Arbeit für den Lagerwechsel wird über die Stunden für den Lagerwechsel gezählt.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 people stand idle during a stop, at %2 an hour each.</source>
        <translation>%1 Personen sind während eines Stillstands untätig, zu je %2 pro Stunde.</translation>
    </message>
</context>
<context>
    <name>MatchedOrdersModel</name>
    <message>
        <source>Counted</source>
        <translation>Gezählt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Asset</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Work type</source>
        <translation>Auftragsart</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>MessageText</name>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
</context>
<context>
    <name>MoneyScale</name>
    <message>
        <source>%1 billions</source>
        <comment>a chart&apos;s money in billions of the currency %1</comment>
        <translation>Mrd. %1</translation>
    </message>
    <message>
        <source>%1 millions</source>
        <comment>a chart&apos;s money in millions of the currency %1</comment>
        <translation>Mio. %1</translation>
    </message>
    <message>
        <source>%1 thousands</source>
        <comment>a chart&apos;s money in thousands of the currency %1</comment>
        <translation>Tsd. %1</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
    <message>
        <source>Remove Missing Files</source>
        <translation>Fehlende Dateien entfernen</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Liste leeren</translation>
    </message>
</context>
<context>
    <name>RecordsChoiceText</name>
    <message>
        <source>At most %1 words can mark a bearing failure.</source>
        <translation>Höchstens %1 Wörter können einen Lagerausfall kennzeichnen.</translation>
    </message>
    <message>
        <source>A word that marks a bearing failure is longer than %1 characters.</source>
        <translation>Ein Wort, das einen Lagerausfall kennzeichnet, ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The hours on line %1 are below zero.</source>
        <translation>Die Stunden in Zeile %1 sind negativ.</translation>
    </message>
    <message>
        <source>At most %1 work types can mark a failure.</source>
        <translation>Höchstens %1 Auftragsarten können einen Ausfall kennzeichnen.</translation>
    </message>
    <message>
        <source>The period of the records needs a start before its end.</source>
        <translation>Der Zeitraum der Aufzeichnungen braucht einen Beginn vor seinem Ende.</translation>
    </message>
    <message>
        <source>Repeat orders are those within 0 to %1 days of each other.</source>
        <translation>Wiederholaufträge liegen 0 bis %1 Tage auseinander.</translation>
    </message>
    <message>
        <source>At most %1 orders can be left out by hand.</source>
        <translation>Höchstens %1 Aufträge können von Hand ausgelassen werden.</translation>
    </message>
</context>
<context>
    <name>RecordsDialog</name>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Asset:</source>
        <translation>Anlage:</translation>
    </message>
    <message>
        <source>Work type or cause:</source>
        <translation>Auftragsart oder Ursache:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Repair hours:</source>
        <translation>Reparaturstunden:</translation>
    </message>
    <message>
        <source>Downtime hours:</source>
        <translation>Stillstandsstunden:</translation>
    </message>
    <message>
        <source>Maintenance Records</source>
        <translation>Instandhaltungsaufzeichnungen</translation>
    </message>
    <message>
        <source>Choose which column of %1 holds what, and which work orders count as bearing failures. What the records come to is shown below as you choose.</source>
        <translation>Wählen Sie, welche Spalte von %1 was enthält und welche Instandhaltungsaufträge als Lagerausfälle zählen. Das Ergebnis der Aufzeichnungen wird unten während der Auswahl angezeigt.</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Sheet:</source>
        <translation>Tabellenblatt:</translation>
    </message>
    <message>
        <source>Day first (31/12/2024)</source>
        <translation>Tag zuerst (31/12/2024)</translation>
    </message>
    <message>
        <source>Month first (12/31/2024)</source>
        <translation>Monat zuerst (12/31/2024)</translation>
    </message>
    <message>
        <source>Order of the dates:</source>
        <translation>Reihenfolge im Datum:</translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation>Lagerausfälle</translation>
    </message>
    <message>
        <source>Work orders whose work type or description contains one of these words, separated by commas:</source>
        <translation>Instandhaltungsaufträge, deren Auftragsart oder Beschreibung eines dieser Wörter enthält, durch Kommas getrennt:</translation>
    </message>
    <message>
        <source>What the records come to</source>
        <translation>Ergebnis der Aufzeichnungen</translation>
    </message>
    <message>
        <source>Apply to Figures</source>
        <translation>Auf die Werte anwenden</translation>
    </message>
    <message>
        <source>Keep as Evidence</source>
        <translation>Als Nachweis behalten</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Bearing failures: %1 of %2 work orders.</source>
        <translation>Lagerausfälle: %1 von %2 Instandhaltungsaufträgen.</translation>
    </message>
    <message>
        <source>Work types of corrective or breakdown orders, the only ones that can be failures:</source>
        <translation>Auftragsarten der Instandsetzungs- oder Störungsaufträge, die allein Ausfälle sein können:</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Columns and Failures</source>
        <translation>Spalten und Ausfälle</translation>
    </message>
    <message>
        <source>The failures a year are counted over the period the export covers: from its first order to its last, unless you give the months you exported.</source>
        <translation>Die Ausfälle pro Jahr werden über den Zeitraum des Exports gezählt: vom ersten bis zum letzten Auftrag, sofern Sie nicht die exportierten Monate angeben.</translation>
    </message>
    <message>
        <source>The export covers a given period</source>
        <translation>Der Export umfasst einen bestimmten Zeitraum</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Orders on one asset within this gap are one failure:</source>
        <translation>Aufträge an einer Anlage innerhalb dieses Abstands sind ein Ausfall:</translation>
    </message>
    <message>
        <source>The system was installed on:</source>
        <translation>Das System wurde installiert am:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Clear an order that is no bearing failure to leave it out.</source>
        <translation>Entfernen Sie das Häkchen bei einem Auftrag, der kein Lagerausfall ist, um ihn auszulassen.</translation>
    </message>
    <message>
        <source>Assets</source>
        <translation>Anlagen</translation>
    </message>
    <message>
        <source>The export names no asset of a failure.</source>
        <translation>Der Export nennt zu keinem Ausfall eine Anlage.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln order(s) matched, %1 left out by hand.</source>
        <translation>
            <numerusform>%Ln Auftrag gefunden, %1 von Hand ausgelassen.</numerusform>
            <numerusform>%Ln Aufträge gefunden, %1 von Hand ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Matched Orders (%1)</source>
        <translation>Gefundene Aufträge (%1)</translation>
    </message>
    <message>
        <source>Value lost production over the mean downtime, not the repair hours</source>
        <translation>Produktionsausfall über die mittlere Stillstandszeit bewerten, nicht über die Reparaturstunden</translation>
    </message>
</context>
<context>
    <name>RecordsExport</name>
    <message>
        <source>Could not read the records of %1. %2</source>
        <translation>Die Aufzeichnungen von %1 konnten nicht gelesen werden. %2</translation>
    </message>
</context>
<context>
    <name>RecordsRequestText</name>
    <message>
        <source>%1 is no column=name; the columns are %2</source>
        <translation>%1 ist keine Angabe Spalte=Name; die Spalten sind %2</translation>
    </message>
    <message>
        <source>The header has no column %1.</source>
        <translation>Die Kopfzeile hat keine Spalte %1.</translation>
    </message>
    <message>
        <source>%1 is no period such as 2023-01-01:2024-12-31</source>
        <translation>%1 ist kein Zeitraum wie 2023-01-01:2024-12-31</translation>
    </message>
    <message>
        <source>the period %1 ends before it begins</source>
        <translation>der Zeitraum %1 endet, bevor er beginnt</translation>
    </message>
</context>
<context>
    <name>RecordsSheetText</name>
    <message>
        <source>Maintenance records</source>
        <translation>Instandhaltungsaufzeichnungen</translation>
    </message>
    <message>
        <source>Years of the records</source>
        <translation>Jahre der Aufzeichnungen</translation>
    </message>
    <message>
        <source>Repeat failures from</source>
        <translation>Wiederholte Ausfälle ab</translation>
    </message>
    <message>
        <source>failures of one asset</source>
        <translation>Ausfällen einer Anlage</translation>
    </message>
    <message>
        <source>What the records come to</source>
        <translation>Ergebnis der Aufzeichnungen</translation>
    </message>
    <message>
        <source>Share of the failures after the installation, low</source>
        <translation>Anteil der Ausfälle nach der Installation, untere Grenze</translation>
    </message>
    <message>
        <source>Share of the failures after the installation, high</source>
        <translation>Anteil der Ausfälle nach der Installation, obere Grenze</translation>
    </message>
    <message>
        <source>Confidence of the intervals</source>
        <translation>Konfidenz der Intervalle</translation>
    </message>
</context>
<context>
    <name>RecordsText</name>
    <message>
        <source>It is not a workbook, or it is damaged.</source>
        <translation>Sie ist keine Arbeitsmappe oder beschädigt.</translation>
    </message>
    <message>
        <source>The workbook has no sheet %1.</source>
        <translation>Die Arbeitsmappe hat kein Blatt %1.</translation>
    </message>
    <message>
        <source>Row %1 of the sheet is damaged.</source>
        <translation>Zeile %1 des Blatts ist beschädigt.</translation>
    </message>
    <message>
        <source>The sheet holds no header and no rows.</source>
        <translation>Das Blatt enthält weder Kopfzeile noch Zeilen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bearing failure(s) from %1 to %2: %3 a year, %4 between %5 and %6</source>
        <translation>
            <numerusform>%Ln Lagerausfall vom %1 bis %2: %3 pro Jahr, zu %4 zwischen %5 und %6</numerusform>
            <numerusform>%Ln Lagerausfälle vom %1 bis %2: %3 pro Jahr, zu %4 zwischen %5 und %6</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln bearing failure(s) on %1, too short a time for a rate a year</source>
        <translation>
            <numerusform>%Ln Lagerausfall am %1, ein zu kurzer Zeitraum für eine Rate pro Jahr</numerusform>
            <numerusform>%Ln Lagerausfälle am %1, ein zu kurzer Zeitraum für eine Rate pro Jahr</numerusform>
        </translation>
    </message>
    <message>
        <source>Hours to replace a bearing: median %1, 10th to 90th percentile %2 to %3</source>
        <translation>Stunden für einen Lagerwechsel: Median %1, 10. bis 90. Perzentil %2 bis %3</translation>
    </message>
    <message>
        <source>Downtime per failure: median %1 hours</source>
        <translation>Stillstand je Ausfall: Median %1 Stunden</translation>
    </message>
    <message numerus="yes">
        <source>From %Ln work order(s) in %1</source>
        <translation>
            <numerusform>Aus %Ln Instandhaltungsauftrag in %1</numerusform>
            <numerusform>Aus %Ln Instandhaltungsaufträgen in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln repeated row(s) counted once</source>
        <translation>
            <numerusform>, %Ln doppelte Zeile einmal gezählt</numerusform>
            <numerusform>, %Ln doppelte Zeilen einmal gezählt</numerusform>
        </translation>
    </message>
    <message>
        <source> (SHA-256 %1…)</source>
        <translation> (SHA-256 %1…)</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln row(s) without a date left out</source>
        <translation>
            <numerusform>, %Ln Zeile ohne Datum ausgelassen</numerusform>
            <numerusform>, %Ln Zeilen ohne Datum ausgelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>Its part %1 unpacks to far more than a workbook of its size holds.</source>
        <translation>Ihr Teil %1 entpackt sich zu weit mehr, als eine Arbeitsmappe dieser Größe enthält.</translation>
    </message>
    <message>
        <source>Its part %1 is damaged.</source>
        <translation>Ihr Teil %1 ist beschädigt.</translation>
    </message>
    <message>
        <source>Its part %1 declares entities, which no workbook does.</source>
        <translation>Ihr Teil %1 deklariert Entitäten, was keine Arbeitsmappe tut.</translation>
    </message>
    <message>
        <source>Its texts are longer than %1 characters.</source>
        <translation>Ihre Texte sind länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>Row %1 of the sheet lies beyond the last row a workbook can have.</source>
        <translation>Zeile %1 des Blatts liegt hinter der letzten Zeile, die eine Arbeitsmappe haben kann.</translation>
    </message>
    <message>
        <source>The cell %1 lies beyond the last column or row a workbook can have.</source>
        <translation>Die Zelle %1 liegt hinter der letzten Spalte oder Zeile, die eine Arbeitsmappe haben kann.</translation>
    </message>
    <message>
        <source>Row %1 of the sheet has more cells than a workbook row can.</source>
        <translation>Zeile %1 des Blatts hat mehr Zellen, als eine Zeile einer Arbeitsmappe haben kann.</translation>
    </message>
    <message>
        <source>A cell of row %1 holds more than %2 characters, more than a workbook cell can.</source>
        <translation>Eine Zelle in Zeile %1 enthält mehr als %2 Zeichen, mehr als eine Zelle einer Arbeitsmappe fassen kann.</translation>
    </message>
    <message>
        <source>The cell %1 names a shared string the workbook does not hold.</source>
        <translation>Die Zelle %1 verweist auf einen gemeinsamen Text, den die Arbeitsmappe nicht enthält.</translation>
    </message>
    <message>
        <source>The sheet holds more than %1 cells.</source>
        <translation>Das Blatt enthält mehr als %1 Zellen.</translation>
    </message>
    <message>
        <source>No bearing failures found: no work order&apos;s type or description holds %1.</source>
        <translation>Keine Lagerausfälle gefunden: Art oder Beschreibung keines Arbeitsauftrags enthält %1.</translation>
    </message>
    <message numerus="yes">
        <source>Failures counted among the %Ln order(s) of type %1</source>
        <translation>
            <numerusform>Ausfälle gezählt unter dem %Ln Auftrag der Art %1</numerusform>
            <numerusform>Ausfälle gezählt unter den %Ln Aufträgen der Art %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The export has no work-type column: every order was searched for the words</source>
        <translation>Der Export hat keine Spalte für die Auftragsart: jeder Auftrag wurde nach den Wörtern durchsucht</translation>
    </message>
    <message>
        <source>No bearing failures found: no work type is chosen as corrective or breakdown.</source>
        <translation>Keine Lagerausfälle gefunden: keine Auftragsart ist als Instandsetzung oder Störung gewählt.</translation>
    </message>
    <message>
        <source>Hours to replace a bearing: mean %1, median %2, 10th to 90th percentile %3 to %4</source>
        <translation>Stunden für einen Lagerwechsel: Mittelwert %1, Median %2, 10. bis 90. Perzentil %3 bis %4</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln failure order(s), repeats on one asset within %1 days counted as one</source>
        <translation>
            <numerusform>, %Ln Ausfallauftrag, Wiederholungen an einer Anlage innerhalb von %1 Tagen als einer gezählt</numerusform>
            <numerusform>, %Ln Ausfallaufträge, Wiederholungen an einer Anlage innerhalb von %1 Tagen als einer gezählt</numerusform>
        </translation>
    </message>
    <message>
        <source>No trend in the failures (Laplace U = %1, p = %2): the average rate is used</source>
        <translation>Kein Trend in den Ausfällen (Laplace U = %1, p = %2): die mittlere Rate wird verwendet</translation>
    </message>
    <message>
        <source>Failures rising (β = %1, p = %2): the rate at the end of the records, %3 a year, is used</source>
        <translation>Ausfälle steigend (β = %1, p = %2): die Rate am Ende der Aufzeichnungen, %3 pro Jahr, wird verwendet</translation>
    </message>
    <message>
        <source>Failures falling (β = %1, p = %2): the rate at the end of the records, %3 a year, is used</source>
        <translation>Ausfälle fallend (β = %1, p = %2): die Rate am Ende der Aufzeichnungen, %3 pro Jahr, wird verwendet</translation>
    </message>
    <message>
        <source>%1 %2 (%3, repeat failures)</source>
        <translation>%1 %2 (%3, wiederholte Ausfälle)</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>Most failures: %1</source>
        <translation>Meiste Ausfälle: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln failure(s), %2 a year, %3 of all failures</source>
        <translation>
            <numerusform>%1: %Ln Ausfall, %2 pro Jahr, %3 aller Ausfälle</numerusform>
            <numerusform>%1: %Ln Ausfälle, %2 pro Jahr, %3 aller Ausfälle</numerusform>
        </translation>
    </message>
    <message>
        <source>, median repair %1 hours</source>
        <translation>, Reparatur im Median %1 Stunden</translation>
    </message>
    <message>
        <source>, repeat failures</source>
        <translation>, wiederholte Ausfälle</translation>
    </message>
    <message>
        <source>The period is the one given for the export</source>
        <translation>Der Zeitraum ist der für den Export angegebene</translation>
    </message>
    <message>
        <source>The period runs from the export&apos;s first order to its last; it ends on a failure, so the rate counts one failure fewer</source>
        <translation>Der Zeitraum reicht vom ersten Auftrag des Exports bis zum letzten; er endet mit einem Ausfall, daher zählt die Rate einen Ausfall weniger</translation>
    </message>
    <message>
        <source>The period runs from the export&apos;s first order to its last</source>
        <translation>Der Zeitraum reicht vom ersten Auftrag des Exports bis zum letzten</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln order(s) outside the period left out</source>
        <translation>
            <numerusform>, %Ln Auftrag außerhalb des Zeitraums ausgelassen</numerusform>
            <numerusform>, %Ln Aufträge außerhalb des Zeitraums ausgelassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln order(s) left out by hand</source>
        <translation>
            <numerusform>, %Ln Auftrag von Hand ausgelassen</numerusform>
            <numerusform>, %Ln Aufträge von Hand ausgelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>Failures before %1: %2 in %3 years; after: %4 in %5 years; measured: %6, %7</source>
        <translation>Ausfälle vor dem %1: %2 in %3 Jahren; danach: %4 in %5 Jahren; gemessen: %6, %7</translation>
    </message>
    <message numerus="yes">
        <source>the gamma posterior (Jeffreys prior) of %Ln failure(s) counted in %1 years</source>
        <translation>
            <numerusform>die Gamma-A-posteriori-Verteilung (Jeffreys-Prior) von %Ln in %1 Jahren gezählten Ausfall</numerusform>
            <numerusform>die Gamma-A-posteriori-Verteilung (Jeffreys-Prior) von %Ln in %1 Jahren gezählten Ausfällen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, times the trend&apos;s β of %2</source>
        <extracomment>%1: the gamma posterior of the failures, %2: the trend&apos;s β.</extracomment>
        <translation>%1, mal dem β des Trends von %2</translation>
    </message>
    <message numerus="yes">
        <source>a gamma of the mean of %Ln repair(s): %1 hours, standard error %2</source>
        <translation>
            <numerusform>eine Gammaverteilung des Mittelwerts von %Ln Reparatur: %1 Stunden, Standardfehler %2</numerusform>
            <numerusform>eine Gammaverteilung des Mittelwerts von %Ln Reparaturen: %1 Stunden, Standardfehler %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the mean of %Ln repair(s), %1 hours, fixed: their hours do not vary</source>
        <translation>
            <numerusform>der Mittelwert von %Ln Reparatur, %1 Stunden, fest: ihre Stunden streuen nicht</numerusform>
            <numerusform>der Mittelwert von %Ln Reparaturen, %1 Stunden, fest: ihre Stunden streuen nicht</numerusform>
        </translation>
    </message>
    <message>
        <source>a PERT over the repairs&apos; 10th to 90th percentile, most likely their median</source>
        <translation>eine PERT-Verteilung über das 10. bis 90. Perzentil der Reparaturen, am wahrscheinlichsten ihr Median</translation>
    </message>
    <message>
        <source>Lost production valued over the mean downtime of %1 hours a failure, not the repair hours</source>
        <translation>Produktionsausfall über die mittlere Stillstandszeit von %1 Stunden je Ausfall bewertet, nicht über die Reparaturstunden</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Figures typed at %1 were not saved.</source>
        <translation>Die um %1 eingegebenen Daten wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Figures of %1 changed at %2 were not saved.</source>
        <translation>Die um %2 geänderten Daten von %1 wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>ReportDetailsDialog</name>
    <message>
        <source>Report Details</source>
        <translation>Berichtsangaben</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Standort:</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>Erstellt von:</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Customer:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Standort:</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>Erstellt von:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Facility figures</source>
        <translation>Anlagendaten</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Amortisation</translation>
    </message>
    <message>
        <source>Investment and measures</source>
        <translation>Investition und Kennzahlen</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>Szenarien</translation>
    </message>
    <message>
        <source>Assumptions</source>
        <translation>Annahmen</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Die Seite konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>Could not write the report to %1. %2</source>
        <translation>Der Bericht konnte nicht in %1 geschrieben werden. %2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>an installed system price of %1</source>
        <translation>ein Systempreis von %1</translation>
    </message>
    <message>
        <source>installation at %1</source>
        <translation>Installationskosten von %1</translation>
    </message>
    <message>
        <source>an annual upkeep of %1</source>
        <translation>jährliche Wartungskosten von %1</translation>
    </message>
    <message numerus="yes">
        <source>The investment: %1, evaluated over %2 year(s) at a discount rate of %3%.</source>
        <translation>
            <numerusform>Die Investition: %1, betrachtet über %2 Jahr bei einem Kalkulationszinssatz von %3&#xa0;%.</numerusform>
            <numerusform>Die Investition: %1, betrachtet über %2 Jahre bei einem Kalkulationszinssatz von %3&#xa0;%.</numerusform>
        </translation>
    </message>
    <message>
        <source>Business Case</source>
        <translation>Wirtschaftlichkeit</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Szenario</translation>
    </message>
    <message>
        <source>Reductions</source>
        <translation>Senkungen</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Jährliche Einsparung</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Amortisation</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Kapitalwert</translation>
    </message>
    <message>
        <source>Sensitivity: each of the twelve figures and five reductions lowered and raised by %1%, a reduction no further than 0% or 100%.</source>
        <translation>Sensitivität: jeder der zwölf Werte und der fünf Senkungen um %1&#xa0;% gesenkt und erhöht, eine Senkung dabei nicht unter 0&#xa0;% und nicht über 100&#xa0;%.</translation>
    </message>
    <message>
        <source>Installed system price: %1</source>
        <translation>Systempreis: %1</translation>
    </message>
    <message>
        <source>Installation cost: %1</source>
        <translation>Installationskosten: %1</translation>
    </message>
    <message>
        <source>Annual upkeep: %1</source>
        <translation>Jährliche Wartungskosten: %1</translation>
    </message>
    <message>
        <source>No payback: with these figures the system brings no annual savings to pay for it.</source>
        <translation>Keine Amortisation: Mit diesen Werten erzielt das System keine jährliche Einsparung, die es bezahlt.</translation>
    </message>
    <message>
        <source>Payback period: %1 months</source>
        <translation>Amortisationszeit: %1 Monate</translation>
    </message>
    <message>
        <source>%1: the results cannot be computed from these figures.</source>
        <translation>%1: Aus diesen Werten lassen sich keine Ergebnisse berechnen.</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Lubrication Cost Savings Report</source>
        <translation>Bericht zur Einsparung von Schmierkosten</translation>
    </message>
    <message>
        <source>All figures are annual, in dollars.</source>
        <translation>Alle Beträge sind Jahresbeträge in Dollar.</translation>
    </message>
    <message>
        <source>All figures are annual, in %1.</source>
        <translation>Alle Beträge sind Jahresbeträge in %1.</translation>
    </message>
    <message>
        <source>No payback: nothing is invested.</source>
        <translation>Keine Amortisation: Es wird nichts investiert.</translation>
    </message>
    <message>
        <source>How these figures are computed. The current cost is what lubricating by hand costs a year: the labor to lubricate (%1), the lubricant (%2), new replacement bearings (%3), the labor to replace them (%4) and lost production, since every bearing failure stops production for the time its replacement takes (%5). %6 The savings are the difference. %7</source>
        <extracomment>%1 to %5: the formulas of the five cost rows (&quot;points × minutes per point ÷ 60 × ...&quot;), %6: the sentence on the reductions, %7: the sentence on the currency.</extracomment>
        <translation>So werden diese Werte berechnet. Die Istkosten sind das, was die Schmierung von Hand pro Jahr kostet: die Schmierarbeit (%1), der Schmierstoff (%2), neue Ersatzlager (%3), die Arbeit für deren Wechsel (%4) und der Produktionsausfall, denn jeder Lagerausfall hält die Produktion für die Dauer des Wechsels an (%5). %6 Die Einsparung ist die Differenz. %7</translation>
    </message>
    <message numerus="yes">
        <source>Payback period: %1 months, not within the %n year(s) evaluated</source>
        <translation>
            <numerusform>Amortisationszeit: %1 Monate, nicht innerhalb des %n betrachteten Jahres</numerusform>
            <numerusform>Amortisationszeit: %1 Monate, nicht innerhalb der %n betrachteten Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Net cash flow over %n year(s): %1</source>
        <translation>
            <numerusform>Netto-Cashflow über %n Jahr: %1</numerusform>
            <numerusform>Netto-Cashflow über %n Jahre: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Cash flow</source>
        <translation>Cashflow</translation>
    </message>
    <message>
        <source>Sensitivity of the Net Present Value</source>
        <translation>Sensitivität des Kapitalwerts</translation>
    </message>
    <message>
        <source>Ranges the runs are drawn from</source>
        <translation>Bandbreiten der Simulation</translation>
    </message>
    <message>
        <source>Each run draws every input with a range from a PERT distribution: between its low and high value, most often near the most likely one. An input marked — keeps its figure. P10, P50 and P90: a tenth, half and nine tenths of the runs come out less favorable than this. The same seed draws the same runs.</source>
        <translation>Jeder Lauf zieht jede Eingangsgröße mit Bandbreite aus einer PERT-Verteilung: zwischen ihrem niedrigen und hohen Wert, am häufigsten nahe dem wahrscheinlichsten. Eine mit — markierte Eingangsgröße behält ihre Zahl. P10, P50 und P90: Ein Zehntel, die Hälfte und neun Zehntel der Läufe fallen ungünstiger aus. Derselbe Startwert ergibt dieselben Läufe.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two parts of what the maintenance records come to, as two sentences.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The plant&apos;s maintenance records: %1.</source>
        <translation>Instandhaltungsaufzeichnungen des Werks: %1.</translation>
    </message>
    <message>
        <source>The figures they give are used in this report.</source>
        <translation>Die daraus gewonnenen Werte gehen in diesen Bericht ein.</translation>
    </message>
    <message>
        <source>They are kept as evidence only; no figure of this report is taken from them.</source>
        <translation>Sie dienen nur als Nachweis; kein Wert dieses Berichts ist ihnen entnommen.</translation>
    </message>
    <message>
        <source>An input drawn from a gamma distribution instead shows its P10, P50 and P90.</source>
        <translation>Eine Eingangsgröße, die stattdessen aus einer Gammaverteilung gezogen wird, zeigt ihr P10, P50 und P90.</translation>
    </message>
    <message>
        <source>Bearing failures by asset</source>
        <translation>Lagerausfälle nach Anlage</translation>
    </message>
    <message>
        <source>Each period&apos;s failures a year are its failures over its years, with the exact %1 interval of a count of failures. The measured reduction is 1 − rate after ÷ rate before; its %1 interval is exact by the conditional binomial method: of all the failures, the share that came after the installation tells the ratio of the rates. A failure on the day of the installation counts after it.</source>
        <translation>Die Ausfälle pro Jahr jedes Zeitraums sind seine Ausfälle geteilt durch seine Jahre, mit dem exakten %1-Intervall einer Ausfallzahl. Die gemessene Senkung ist 1 − Rate danach ÷ Rate davor; ihr %1-Intervall ist exakt nach der bedingten Binomialmethode: Der Anteil aller Ausfälle, der nach der Installation kam, gibt das Verhältnis der Raten an. Ein Ausfall am Tag der Installation zählt danach.</translation>
    </message>
    <message>
        <source>The facility file keeps the counts only, not the failures&apos; dates: read the export again to chart them.</source>
        <translation>Die Anlagendatei enthält nur die Anzahlen, nicht die Daten der Ausfälle: Lesen Sie den Export erneut ein, um sie darzustellen.</translation>
    </message>
    <message>
        <source>No payback: with these figures the annual nets after upkeep and tax do not recover the outlay.</source>
        <translation>Keine Amortisation: Mit diesen Werten decken die jährlichen Netto-Cashflows nach Wartungskosten und Steuern die Investition nicht.</translation>
    </message>
    <message>
        <source>Payback period: %1 months, after tax</source>
        <translation>Amortisationszeit: %1 Monate, nach Steuern</translation>
    </message>
    <message numerus="yes">
        <source>Payback period: %1 months after tax, not within the %n year(s) evaluated</source>
        <translation>
            <numerusform>Amortisationszeit: %1 Monate nach Steuern, nicht innerhalb des %n betrachteten Jahres</numerusform>
            <numerusform>Amortisationszeit: %1 Monate nach Steuern, nicht innerhalb der %n betrachteten Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>The cumulative net is below zero again from year %1.</source>
        <translation>Der kumulierte Netto-Cashflow ist ab Jahr %1 wieder negativ.</translation>
    </message>
    <message>
        <source>The net present value&apos;s sensitivity also moves the price, installation, upkeep, discount rate, tax rate and escalations by the same step, a tax rate no further than 0% or 100% and an escalation no further than %1% or %2%.</source>
        <translation>Die Sensitivität des Kapitalwerts bewegt außerdem Preis, Installation, Wartungskosten, Kalkulationszinssatz, Steuersatz und Steigerungen um denselben Schritt, einen Steuersatz dabei nicht unter 0&#xa0;% und nicht über 100&#xa0;%, eine Steigerung nicht unter %1&#xa0;% und nicht über %2&#xa0;%.</translation>
    </message>
    <message>
        <source>No payback: with these figures the annual nets after upkeep do not recover the outlay.</source>
        <translation>Keine Amortisation: Mit diesen Werten decken die jährlichen Netto-Cashflows nach Wartungskosten die Investition nicht.</translation>
    </message>
    <message>
        <source>How these figures are computed. The current cost is what lubricating by hand costs a year: the labor to lubricate (%1), the lubricant (%2), new replacement bearings (%3), the labor to replace them (%4) and lost production, since every bearing failure stops production (%5). %6 The savings are the difference. %7</source>
        <extracomment>%1 to %4: the formulas of the first four cost rows, %5: the formula of the lost production as the rule values it, %6: the rule and the reductions in sentences, %7: the sentence on the currency.</extracomment>
        <translation>So werden diese Werte berechnet. Die Istkosten sind das, was die Schmierung von Hand pro Jahr kostet: die Schmierarbeit (%1), der Schmierstoff (%2), neue Ersatzlager (%3), die Arbeit für deren Wechsel (%4) und der Produktionsausfall, denn jeder Lagerausfall hält die Produktion an (%5). %6 Die Einsparung ist die Differenz. %7</translation>
    </message>
    <message>
        <source>Price and installation with a contingency of %1: %2</source>
        <translation>Preis und Installation mit einer Reserve von %1: %2</translation>
    </message>
    <message>
        <source>Alternatives Considered</source>
        <translation>Betrachtete Alternativen</translation>
    </message>
    <message numerus="yes">
        <source>These figures are of the option %1, one of the %n options the page of the alternatives considered sets beside doing nothing.</source>
        <translation>
            <numerusform>Diese Zahlen gelten für die Alternative %1, eine von %n Alternative, die die Seite der betrachteten Alternativen dem Nichtstun gegenüberstellt.</numerusform>
            <numerusform>Diese Zahlen gelten für die Alternative %1, eine von %n Alternativen, die die Seite der betrachteten Alternativen dem Nichtstun gegenüberstellt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cash Flow and Sensitivity of the Net Present Value</source>
        <translation>Cashflow und Sensitivität des Kapitalwerts</translation>
    </message>
</context>
<context>
    <name>RiskChartText</name>
    <message>
        <source>Histogram of the NPV ($)</source>
        <translation>Histogramm des Kapitalwerts ($)</translation>
    </message>
    <message>
        <source>Histogram of the annual savings ($)</source>
        <translation>Histogramm der jährlichen Einsparung ($)</translation>
    </message>
    <message>
        <source>Share of runs (%)</source>
        <translation>Anteil der Läufe (%)</translation>
    </message>
    <message>
        <source>S-curve of the NPV ($)</source>
        <translation>S-Kurve des Kapitalwerts ($)</translation>
    </message>
    <message>
        <source>S-curve of the annual savings ($)</source>
        <translation>S-Kurve der jährlichen Einsparung ($)</translation>
    </message>
    <message>
        <source>Runs at or below (%)</source>
        <translation>Läufe bis zu diesem Wert (%)</translation>
    </message>
</context>
<context>
    <name>RiskRangesDialog</name>
    <message>
        <source>Risk Ranges</source>
        <translation>Risikobandbreiten</translation>
    </message>
    <message>
        <source>Each input varies from its low to its high value, most often near the most likely one. An input whose three fields are empty stays at its figure, shown in gray.</source>
        <translation>Jede Eingangsgröße schwankt zwischen ihrem niedrigen und hohen Wert, am häufigsten nahe dem wahrscheinlichsten. Eine Eingangsgröße mit drei leeren Feldern bleibt bei ihrer grau angezeigten Zahl.</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Startwert:</translation>
    </message>
    <message>
        <source>Runs:</source>
        <translation>Läufe:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Vorgaben wiederherstellen</translation>
    </message>
    <message>
        <source>Give the low, most likely and high value of %1, or leave all three empty to keep it at its figure.</source>
        <translation>Geben Sie den niedrigen, den wahrscheinlichsten und den hohen Wert von %1 an, oder lassen Sie alle drei leer, um die Zahl beizubehalten.</translation>
    </message>
    <message>
        <source>The value %1 of %2 is no number.</source>
        <translation>Der Wert %1 von %2 ist keine Zahl.</translation>
    </message>
    <message>
        <source>The values of %1 are out of order: the low value may not exceed the most likely one, nor the most likely the high one.</source>
        <translation>Die Werte von %1 sind nicht geordnet: Der niedrige Wert darf den wahrscheinlichsten nicht übersteigen und dieser nicht den hohen.</translation>
    </message>
    <message>
        <source>The values of %1 are reductions: each from 0 to 100.</source>
        <translation>Die Werte von %1 sind Senkungen: jeweils von 0 bis 100.</translation>
    </message>
    <message>
        <source>The values of %1 may not be negative.</source>
        <translation>Die Werte von %1 dürfen nicht negativ sein.</translation>
    </message>
    <message>
        <source>The seed %1 is no whole number from 0 to %2.</source>
        <translation>Der Startwert %1 ist keine ganze Zahl von 0 bis %2.</translation>
    </message>
    <message>
        <source>From the records</source>
        <translation>Aus den Aufzeichnungen</translation>
    </message>
    <message>
        <source>The records give %1, shown as its P10, P50 and P90.</source>
        <translation>Die Aufzeichnungen ergeben %1, dargestellt durch P10, P50 und P90.</translation>
    </message>
    <message>
        <source>The records give %1.</source>
        <translation>Die Aufzeichnungen ergeben %1.</translation>
    </message>
</context>
<context>
    <name>RiskSheetText</name>
    <message>
        <source>Risk simulation</source>
        <translation>Risikosimulation</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Runs computed</source>
        <translation>Berechnete Läufe</translation>
    </message>
    <message>
        <source>Runs left out (arithmetic overflows)</source>
        <translation>Ausgelassene Läufe (Rechenüberlauf)</translation>
    </message>
    <message>
        <source>fixed at its figure</source>
        <translation>fest auf seiner Zahl</translation>
    </message>
    <message>
        <source>a gamma from the records: its P10, P50 and P90</source>
        <translation>eine Gammaverteilung aus den Aufzeichnungen: ihr P10, P50 und P90</translation>
    </message>
</context>
<context>
    <name>RiskText</name>
    <message>
        <source>Lubrication labor reduction (%)</source>
        <translation>Senkung Schmierarbeit (%)</translation>
    </message>
    <message>
        <source>Lubricant reduction (%)</source>
        <translation>Senkung Schmierstoff (%)</translation>
    </message>
    <message>
        <source>Bearings reduction (%)</source>
        <translation>Senkung Ersatzlager (%)</translation>
    </message>
    <message>
        <source>Replacement labor reduction (%)</source>
        <translation>Senkung Lagerwechselarbeit (%)</translation>
    </message>
    <message>
        <source>Lost production reduction (%)</source>
        <translation>Senkung Produktionsausfall (%)</translation>
    </message>
    <message>
        <source>Bearing failures a year</source>
        <translation>Lagerausfälle pro Jahr</translation>
    </message>
    <message>
        <source>Hours to replace a bearing</source>
        <translation>Stunden je Lagerwechsel</translation>
    </message>
    <message>
        <source>Value of an hour&apos;s production ($)</source>
        <translation>Produktionswert je Stunde ($)</translation>
    </message>
    <message numerus="yes">
        <source>%1 run(s) of the simulation, seed %2</source>
        <extracomment>%1: the number of runs, %2: the seed, a whole number that draws the same runs again.</extracomment>
        <translation>
            <numerusform>%1 Simulationslauf, Startwert %2</numerusform>
            <numerusform>%1 Simulationsläufe, Startwert %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 run(s) left out: their arithmetic overflows.</source>
        <translation>
            <numerusform>%1 Lauf ausgelassen: seine Rechnung läuft über.</numerusform>
            <numerusform>%1 Läufe ausgelassen: ihre Rechnung läuft über.</numerusform>
        </translation>
    </message>
    <message>
        <source>Annual savings, P10 / P50 / P90: %1 / %2 / %3</source>
        <translation>Jährliche Einsparung, P10 / P50 / P90: %1 / %2 / %3</translation>
    </message>
    <message>
        <source>Net present value, P10 / P50 / P90: %1 / %2 / %3</source>
        <translation>Kapitalwert, P10 / P50 / P90: %1 / %2 / %3</translation>
    </message>
    <message>
        <source>Simple payback in months, P10 / P50 / P90: %1 / %2 / %3</source>
        <translation>Statische Amortisationszeit in Monaten, P10 / P50 / P90: %1 / %2 / %3</translation>
    </message>
    <message>
        <source>No run of the simulation can be computed from these figures and ranges.</source>
        <translation>Mit diesen Zahlen und Bandbreiten lässt sich kein Simulationslauf berechnen.</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Risiko</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingangsgröße</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Most likely</source>
        <translation>Wahrscheinlichster Wert</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Jährliche Einsparung</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Kapitalwert</translation>
    </message>
    <message>
        <source>Simple payback (months)</source>
        <translation>Statische Amortisationszeit (Monate)</translation>
    </message>
    <message>
        <source>Chance that the NPV is below zero</source>
        <translation>Wahrscheinlichkeit eines negativen Kapitalwerts</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lauf</translation>
    </message>
    <message>
        <source>The range of %1 is too wide: at its ends the arithmetic overflows, so the runs there cannot be computed. Narrow it to simulate the risk.</source>
        <translation>Die Bandbreite von %1 ist zu weit: An ihren Enden läuft die Rechnung über, sodass die Läufe dort nicht berechnet werden können. Engen Sie sie ein, um das Risiko zu simulieren.</translation>
    </message>
    <message>
        <source>P10 is each measure&apos;s unfavorable end: savings and net present value reached in %1 of the runs, a payback reached within it in %1 of them. The inputs are drawn independently.</source>
        <extracomment>%1: nine runs in ten, &quot;90%&quot; as the language writes a percentage.</extracomment>
        <translation>P10 ist jeweils das ungünstige Ende: Einsparung und Kapitalwert werden in %1 der Durchläufe erreicht, die Amortisation in %1 der Durchläufe innerhalb dieser Zeit. Die Eingangsgrößen werden unabhängig voneinander gezogen.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1: the input&apos;s name, %2: how the records give it.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>From the records: %1.</source>
        <translation>Aus den Aufzeichnungen: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>not within the period</source>
        <translation>nicht innerhalb des Zeitraums</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a caption and its figure, with the language&apos;s colon</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Not every byte could be written.</source>
        <translation>Nicht alle Bytes konnten geschrieben werden.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Ein Ordner mit diesem Namen steht im Weg.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>Es ist ein Gerät, keine Datei.</translation>
    </message>
    <message>
        <source>It is a pipe (FIFO), not a file.</source>
        <translation>Es ist eine Pipe (FIFO), keine Datei.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>Es ist ein Socket, keine Datei.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>It cannot be read to see what it holds: %1</source>
        <translation>Ihr Inhalt kann nicht gelesen und geprüft werden: %1</translation>
    </message>
    <message>
        <source>It is not a %1, so it is not replaced.</source>
        <translation>Die vorhandene Datei ist keine %1 und wird daher nicht ersetzt.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>Its name is that of a %1, which a %2 never replaces.</source>
        <translation>Ihr Name ist der einer %1; beim Schreiben einer %2 wird eine solche Datei nie ersetzt.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>Es ist ein Link auf eine Datei, die nicht existiert.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Nothing was made to write.</source>
        <translation>Es wurde nichts zum Schreiben erzeugt.</translation>
    </message>
    <message>
        <source>Not every byte reached the file.</source>
        <translation>Nicht alle Bytes sind in der Datei angekommen.</translation>
    </message>
    <message>
        <source>facility file</source>
        <translation>Anlagendatei</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>spreadsheet workbook</source>
        <translation>Tabellenkalkulations-Arbeitsmappe</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>CSV-Datei</translation>
    </message>
    <message>
        <source>It holds JSON as a %1 does, which a %2 never replaces.</source>
        <translation>Sie enthält JSON wie eine %1; beim Schreiben einer %2 wird eine solche Datei nie ersetzt.</translation>
    </message>
    <message>
        <source>It is a link to %1, whose name is that of a %2, which a %3 never replaces.</source>
        <translation>Es ist ein Link auf %1, und dieser Name ist der einer %2; beim Schreiben einer %3 wird eine solche Datei nie ersetzt.</translation>
    </message>
    <message>
        <source>The new file is in place, but the system did not confirm that it is on the disk: %1</source>
        <translation>Die neue Datei ist an ihrem Platz, aber das System hat nicht bestätigt, dass sie auf dem Datenträger ist: %1</translation>
    </message>
    <message>
        <source>System error %1</source>
        <translation>Systemfehler %1</translation>
    </message>
    <message>
        <source>No temporary file could be made beside it.</source>
        <translation>Daneben konnte keine temporäre Datei angelegt werden.</translation>
    </message>
</context>
<context>
    <name>SavingsChartText</name>
    <message>
        <source>Bearing failures counted up</source>
        <translation>Lagerausfälle aufsummiert</translation>
    </message>
    <message>
        <source>Failures since %1</source>
        <translation>Ausfälle seit %1</translation>
    </message>
    <message>
        <source>Failures counted up</source>
        <translation>Aufsummierte Ausfälle</translation>
    </message>
    <message>
        <source>At the rate before the installation</source>
        <translation>Bei der Rate vor der Installation</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>Installiert am %1</translation>
    </message>
</context>
<context>
    <name>SavingsCheckText</name>
    <message>
        <source>Savings check</source>
        <translation>Erfolgskontrolle</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Davor</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Danach</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation>Ausfälle</translation>
    </message>
    <message>
        <source>Failures a year</source>
        <translation>Ausfälle pro Jahr</translation>
    </message>
    <message>
        <source>90% low</source>
        <translation>90 %, untere Grenze</translation>
    </message>
    <message>
        <source>90% high</source>
        <translation>90 %, obere Grenze</translation>
    </message>
    <message>
        <source>Measured reduction</source>
        <translation>Gemessene Senkung</translation>
    </message>
    <message>
        <source>Measured reduction, 90% low</source>
        <translation>Gemessene Senkung, 90 % untere Grenze</translation>
    </message>
    <message>
        <source>Measured reduction, 90% high</source>
        <translation>Gemessene Senkung, 90 % obere Grenze</translation>
    </message>
    <message>
        <source>Assumed reduction</source>
        <translation>Angenommene Senkung</translation>
    </message>
    <message>
        <source>%1 between any rise and %2 fewer</source>
        <translation>zu %1 zwischen beliebigem Anstieg und %2 weniger</translation>
    </message>
    <message>
        <source>%1 at least %2 more</source>
        <translation>zu %1 mindestens %2 mehr</translation>
    </message>
    <message>
        <source>%1 between %2 and %3 fewer</source>
        <translation>zu %1 zwischen %2 und %3 weniger</translation>
    </message>
    <message>
        <source>%1 between %2 and %3 more</source>
        <translation>zu %1 zwischen %2 und %3 mehr</translation>
    </message>
    <message>
        <source>%1 between %2 more and %3 fewer</source>
        <translation>zu %1 zwischen %2 mehr und %3 weniger</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>keine Änderung</translation>
    </message>
    <message>
        <source>%1 fewer</source>
        <translation>%1 weniger</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 mehr</translation>
    </message>
    <message>
        <source>The case assumes %1 fewer bearing failures; the records measure %2, %3.</source>
        <extracomment>%1: the assumed reduction (&quot;80%&quot;), %2: the measured one (&quot;71% fewer&quot;, &quot;13% more&quot;), %3: its interval (&quot;90% between 48% and 85% fewer&quot;).</extracomment>
        <translation>Die Berechnung nimmt %1 weniger Lagerausfälle an; die Aufzeichnungen messen %2, %3.</translation>
    </message>
    <message>
        <source>%1 a year, %2 between %3 and %4</source>
        <extracomment>%1: failures a year, %2: &quot;90%&quot;, %3 and %4: the interval&apos;s ends.</extracomment>
        <translation>%1 pro Jahr, zu %2 zwischen %3 und %4</translation>
    </message>
    <message numerus="yes">
        <source>Before %1: %Ln bearing failure(s) in %2 years, %3</source>
        <translation>
            <numerusform>Vor dem %1: %Ln Lagerausfall in %2 Jahren, %3</numerusform>
            <numerusform>Vor dem %1: %Ln Lagerausfälle in %2 Jahren, %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From %1 on: %Ln bearing failure(s) in %2 years, %3</source>
        <translation>
            <numerusform>Ab dem %1: %Ln Lagerausfall in %2 Jahren, %3</numerusform>
            <numerusform>Ab dem %1: %Ln Lagerausfälle in %2 Jahren, %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavingsKindsText</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Hard savings, cash the plant no longer pays: %1.</source>
        <translation>Harte Einsparungen, Geld, das das Werk nicht mehr ausgibt: %1.</translation>
    </message>
    <message>
        <source>Soft savings, not cash until they replace costs the plant pays: %1.</source>
        <translation>Weiche Einsparungen, erst zahlungswirksam, wenn sie bezahlte Kosten ersetzen: %1.</translation>
    </message>
    <message>
        <source>The freed lubrication hours are counted as cash.</source>
        <translation>Die frei werdenden Schmierstunden werden als zahlungswirksam gezählt.</translation>
    </message>
    <message>
        <source>The freed lubrication hours go to %1, counted as cash.</source>
        <translation>Die frei werdenden Schmierstunden gehen an %1 und werden als zahlungswirksam gezählt.</translation>
    </message>
    <message>
        <source>Nothing says what the freed lubrication hours will do.</source>
        <translation>Nichts sagt, wofür die frei werdenden Schmierstunden genutzt werden.</translation>
    </message>
    <message>
        <source>The freed lubrication hours go to %1, not counted as cash.</source>
        <translation>Die frei werdenden Schmierstunden gehen an %1 und werden nicht als zahlungswirksam gezählt.</translation>
    </message>
    <message>
        <source>The lost production is cash at its contribution margin.</source>
        <translation>Der Produktionsausfall ist mit seinem Deckungsbeitrag zahlungswirksam.</translation>
    </message>
    <message>
        <source>The lost production is counted as cash at the full production value.</source>
        <translation>Der Produktionsausfall wird mit dem vollen Produktionswert als zahlungswirksam gezählt.</translation>
    </message>
    <message>
        <source>The lost production is valued at revenue, not at its margin.</source>
        <translation>Der Produktionsausfall wird zum Umsatz bewertet, nicht zu seinem Deckungsbeitrag.</translation>
    </message>
</context>
<context>
    <name>SummaryText</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Payback (months)</source>
        <translation>Amortisation (Monate)</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Kapitalwert</translation>
    </message>
    <message>
        <source>Its figures cannot be computed: %1.</source>
        <translation>Die Werte der Datei lassen sich nicht berechnen: %1.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Could not sum up %1. %2</source>
        <translation>%1 konnte nicht zusammengefasst werden. %2</translation>
    </message>
    <message>
        <source>A summary is written as .csv or .xlsx.</source>
        <translation>Eine Zusammenfassung wird als .csv oder .xlsx geschrieben.</translation>
    </message>
    <message>
        <source>Could not write the summary to %1. %2</source>
        <translation>Die Zusammenfassung konnte nicht in %1 geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Paid back</source>
        <translation>Amortisiert</translation>
    </message>
    <message>
        <source>within</source>
        <translation>innerhalb des Zeitraums</translation>
    </message>
    <message>
        <source>not within</source>
        <translation>nicht innerhalb des Zeitraums</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Net present value on hard savings</source>
        <translation>Kapitalwert mit harten Einsparungen</translation>
    </message>
</context>
<context>
    <name>TableTitles</name>
    <message>
        <source>Current Cost</source>
        <translation>Istkosten</translation>
    </message>
    <message>
        <source>ANUAL COST OF MANUAL LUBRICATION</source>
        <translation>JÄHRLICHE KOSTEN DER HANDSCHMIERUNG</translation>
    </message>
    <message>
        <source>Current annual cost</source>
        <translation>Jährliche Istkosten</translation>
    </message>
    <message>
        <source>Velmor Cost</source>
        <translation>Velmor-Kosten</translation>
    </message>
    <message>
        <source>ANNUAL COST OF LUBRICATION USING VELMOR AUTOMATIC LUBRICATION SYSTEM</source>
        <translation>JÄHRLICHE SCHMIERKOSTEN MIT AUTOMATISCHEM VELMOR-SCHMIERSYSTEM</translation>
    </message>
    <message>
        <source>Velmor annual cost</source>
        <translation>Jährliche Velmor-Kosten</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Einsparung</translation>
    </message>
    <message>
        <source>ANNUAL COST SAVINGS REALIZED BY USING VELMOR AUTOMATION VS. MANUAL LUBRICATION</source>
        <translation>JÄHRLICHE EINSPARUNG DURCH VELMOR-AUTOMATISIERUNG GEGENÜBER HANDSCHMIERUNG</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Jährliche Einsparung</translation>
    </message>
</context>
<context>
    <name>WorkOrderText</name>
    <message>
        <source>No column is chosen for the date.</source>
        <translation>Für das Datum ist keine Spalte gewählt.</translation>
    </message>
    <message>
        <source>The date %1 on line %2 does not read as a date.</source>
        <translation>Das Datum %1 in Zeile %2 ist kein lesbares Datum.</translation>
    </message>
    <message>
        <source>The records hold no work orders.</source>
        <translation>Die Aufzeichnungen enthalten keine Instandhaltungsaufträge.</translation>
    </message>
    <message>
        <source>The hours %1 on line %2 are no number.</source>
        <translation>Die Stunden %1 in Zeile %2 sind keine Zahl.</translation>
    </message>
    <message>
        <source>The repair hours %1 on line %2 are more than two weeks for one repair.</source>
        <translation>Die Reparaturstunden %1 in Zeile %2 sind mehr als zwei Wochen für eine Reparatur.</translation>
    </message>
    <message>
        <source>The records hold no work orders from %1 to %2.</source>
        <translation>Die Aufzeichnungen enthalten vom %1 bis %2 keine Instandhaltungsaufträge.</translation>
    </message>
</context>
<context>
    <name>WorkbookText</name>
    <message>
        <source>Figure</source>
        <translation>Angabe</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Reduction with Velmor</source>
        <translation>Senkung mit Velmor</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investition</translation>
    </message>
    <message>
        <source>Installed system price</source>
        <translation>Systempreis</translation>
    </message>
    <message>
        <source>Installation cost</source>
        <translation>Installationskosten</translation>
    </message>
    <message>
        <source>Annual upkeep</source>
        <translation>Jährliche Wartungskosten</translation>
    </message>
    <message>
        <source>per year</source>
        <translation>pro Jahr</translation>
    </message>
    <message>
        <source>Evaluation period</source>
        <translation>Betrachtungszeitraum</translation>
    </message>
    <message>
        <source>years (1 to %1)</source>
        <translation>Jahre (1 bis %1)</translation>
    </message>
    <message>
        <source>Discount rate</source>
        <translation>Kalkulationszinssatz</translation>
    </message>
    <message>
        <source>% a year</source>
        <translation>% pro Jahr</translation>
    </message>
    <message>
        <source>Business Case</source>
        <translation>Wirtschaftlichkeit</translation>
    </message>
    <message>
        <source>Initial outlay (price + installation)</source>
        <translation>Anfangsinvestition (Preis + Installation)</translation>
    </message>
    <message>
        <source>Simple payback, months</source>
        <translation>Statische Amortisationszeit, Monate</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Kapitalwert</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>Interner Zinsfuß</translation>
    </message>
    <message>
        <source>The figures cannot be computed: %1.</source>
        <translation>Die Werte lassen sich nicht berechnen: %1.</translation>
    </message>
    <message>
        <source>Could not write the workbook %1. %2</source>
        <translation>Die Arbeitsmappe %1 konnte nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>No temporary folder could be made for it: %1</source>
        <translation>Dafür konnte kein temporärer Ordner angelegt werden: %1</translation>
    </message>
    <message>
        <source>The workbook could not be started.</source>
        <translation>Die Arbeitsmappe konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The workbook made could not be read back.</source>
        <translation>Die erstellte Arbeitsmappe konnte nicht zurückgelesen werden.</translation>
    </message>
    <message>
        <source>The workbook could not be made: %1</source>
        <translation>Die Arbeitsmappe konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>The temporary folder %1 may be full, or a file size limit was reached.</source>
        <translation>Der temporäre Ordner %1 ist möglicherweise voll, oder eine Dateigrößenbeschränkung wurde erreicht.</translation>
    </message>
    <message>
        <source>Its part %1 came out cut short or damaged.</source>
        <translation>Ihr Teil %1 ist unvollständig oder beschädigt.</translation>
    </message>
    <message>
        <source>Capital request</source>
        <translation>Investitionsantrag</translation>
    </message>
    <message>
        <source>Escalation of the labor rates</source>
        <translation>Steigerung der Stundensätze</translation>
    </message>
    <message>
        <source>Escalation of the lubricant price</source>
        <translation>Steigerung des Schmierstoffpreises</translation>
    </message>
    <message>
        <source>Escalation of the bearing price</source>
        <translation>Steigerung des Lagerpreises</translation>
    </message>
    <message>
        <source>Escalation of the production value</source>
        <translation>Steigerung des Produktionswerts</translation>
    </message>
    <message>
        <source>Escalation of the upkeep</source>
        <translation>Steigerung der Wartungskosten</translation>
    </message>
    <message>
        <source>Income tax rate</source>
        <translation>Ertragsteuersatz</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Abschreibung</translation>
    </message>
    <message>
        <source>0 none, 1 straight-line, 2 declining balance</source>
        <translation>0 keine, 1 linear, 2 degressiv</translation>
    </message>
    <message>
        <source>Depreciation period</source>
        <translation>Abschreibungsdauer</translation>
    </message>
    <message>
        <source>years (straight-line)</source>
        <translation>Jahre (linear)</translation>
    </message>
    <message>
        <source>Declining-balance rate</source>
        <translation>Degressiver Abschreibungssatz</translation>
    </message>
    <message>
        <source>% of the book value a year</source>
        <translation>% des Buchwerts pro Jahr</translation>
    </message>
    <message>
        <source>First-year share of the savings</source>
        <translation>Einsparungsanteil im ersten Jahr</translation>
    </message>
    <message>
        <source>Timing of the annual flows</source>
        <translation>Zeitpunkt der jährlichen Cashflows</translation>
    </message>
    <message>
        <source>0 year-end, 1 mid-year</source>
        <translation>0 Jahresende, 1 Jahresmitte</translation>
    </message>
    <message>
        <source>Residual value</source>
        <translation>Restwert</translation>
    </message>
    <message>
        <source>at the period&apos;s end</source>
        <translation>am Ende des Zeitraums</translation>
    </message>
    <message>
        <source>Book value</source>
        <translation>Buchwert</translation>
    </message>
    <message>
        <source>Discount factor</source>
        <translation>Abzinsungsfaktor</translation>
    </message>
    <message>
        <source>Paid back by (months)</source>
        <translation>Amortisiert nach (Monaten)</translation>
    </message>
    <message>
        <source>Paid back discounted by (years)</source>
        <translation>Dynamisch amortisiert nach (Jahren)</translation>
    </message>
    <message>
        <source>Half year</source>
        <translation>Halbjahr</translation>
    </message>
    <message>
        <source>Flow at the half year</source>
        <translation>Cashflow im Halbjahr</translation>
    </message>
    <message>
        <source>Sign so far</source>
        <translation>Bisheriges Vorzeichen</translation>
    </message>
    <message>
        <source>Net of year 1 (savings − upkeep)</source>
        <translation>Netto-Cashflow im 1. Jahr (Einsparung − Wartungskosten)</translation>
    </message>
    <message>
        <source>Return on investment over the period (undiscounted)</source>
        <translation>Kapitalrendite über den Zeitraum (nicht abgezinst)</translation>
    </message>
    <message>
        <source>Annualised return on investment</source>
        <translation>Kapitalrendite pro Jahr</translation>
    </message>
    <message>
        <source>Profitability index (NPV ÷ initial outlay + 1)</source>
        <translation>Rentabilitätsindex (Kapitalwert ÷ Anfangsinvestition + 1)</translation>
    </message>
    <message>
        <source>Discounted payback, years</source>
        <translation>Dynamische Amortisationszeit, Jahre</translation>
    </message>
    <message numerus="yes">
        <source>not within the %1 year(s)</source>
        <translation>
            <numerusform>nicht innerhalb von %1 Jahr</numerusform>
            <numerusform>nicht innerhalb der %1 Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>none: the cash flows never change sign</source>
        <translation>keiner: die Cashflows wechseln nie das Vorzeichen</translation>
    </message>
    <message>
        <source>none: the cash flows change sign more than once</source>
        <translation>keiner: die Cashflows wechseln mehr als einmal das Vorzeichen</translation>
    </message>
    <message>
        <source>Sum of (net − year 1&apos;s net)</source>
        <translation>Summe (Netto − Netto im Jahr 1)</translation>
    </message>
    <message>
        <source>never: the annual nets do not recover the outlay</source>
        <translation>nie: die jährlichen Netto-Cashflows decken die Investition nicht</translation>
    </message>
    <message>
        <source>Business Case on Hard Savings</source>
        <translation>Wirtschaftlichkeit mit harten Einsparungen</translation>
    </message>
    <message>
        <source>Lost production</source>
        <translation>Produktionsausfall</translation>
    </message>
    <message>
        <source>Contribution margin</source>
        <translation>Deckungsbeitrag</translation>
    </message>
    <message>
        <source>% (sold out: the whole production value)</source>
        <translation>% (ausgelastet: der ganze Produktionswert)</translation>
    </message>
    <message>
        <source>% of the production value</source>
        <translation>% des Produktionswerts</translation>
    </message>
    <message>
        <source>Lost output made up later</source>
        <translation>Später nachgeholte Produktion</translation>
    </message>
    <message>
        <source>People standing idle during a stop</source>
        <translation>Während eines Stillstands untätige Personen</translation>
    </message>
    <message>
        <source>Their hourly rate</source>
        <translation>Ihr Stundensatz</translation>
    </message>
    <message>
        <source>%1/hour</source>
        <translation>%1/Std.</translation>
    </message>
    <message>
        <source>Stop per failure</source>
        <translation>Stillstand je Ausfall</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Cash (1) or not (0)</source>
        <translation>Zahlungswirksam (1) oder nicht (0)</translation>
    </message>
    <message>
        <source>The freed hours go to %1</source>
        <translation>Die frei werdenden Stunden gehen an %1</translation>
    </message>
    <message>
        <source>Hard savings</source>
        <translation>Harte Einsparungen</translation>
    </message>
    <message>
        <source>Total hard savings</source>
        <translation>Harte Einsparungen gesamt</translation>
    </message>
    <message>
        <source>Initial outlay (price + installation + contingency)</source>
        <translation>Anfangsinvestition (Preis + Installation + Reserve)</translation>
    </message>
    <message>
        <source>Contingency</source>
        <translation>Reserve für Unvorhergesehenes</translation>
    </message>
    <message>
        <source>% of the price and installation</source>
        <translation>% von Preis und Installation</translation>
    </message>
    <message>
        <source>Estimate accuracy, below</source>
        <translation>Schätzgenauigkeit, nach unten</translation>
    </message>
    <message>
        <source>Estimate accuracy, above</source>
        <translation>Schätzgenauigkeit, nach oben</translation>
    </message>
    <message>
        <source>Hurdle rate</source>
        <translation>Mindestrendite</translation>
    </message>
    <message>
        <source>Initial outlay, with the one-off items at the start</source>
        <translation>Anfangsinvestition mit den einmaligen Posten zu Beginn</translation>
    </message>
    <message>
        <source>Other annual savings</source>
        <translation>Weitere jährliche Einsparungen</translation>
    </message>
    <message>
        <source>One-off items</source>
        <translation>Einmalige Posten</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Every (years, 0 once)</source>
        <translation>Alle (Jahre, 0 einmal)</translation>
    </message>
    <message>
        <source>Alternatives Considered</source>
        <translation>Betrachtete Alternativen</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Jährliche Einsparung</translation>
    </message>
    <message>
        <source>Outlay</source>
        <translation>Anfangsinvestition</translation>
    </message>
    <message>
        <source>Discount rate (%)</source>
        <translation>Kalkulationszinssatz (%)</translation>
    </message>
    <message>
        <source>NPV on hard savings</source>
        <translation>Kapitalwert mit harten Einsparungen</translation>
    </message>
    <message>
        <source>Set against</source>
        <translation>Verglichen mit</translation>
    </message>
    <message>
        <source>Incremental NPV</source>
        <translation>Inkrementeller Kapitalwert</translation>
    </message>
    <message>
        <source>Incremental IRR</source>
        <translation>Inkrementeller interner Zinsfuß</translation>
    </message>
    <message>
        <source>%1 less %2</source>
        <translation>%1 abzüglich %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Compares the annual cost of lubricating a facility by hand with the cost of a Velmor automatic lubrication system.</source>
        <translation>Vergleicht die jährlichen Kosten der Handschmierung einer Anlage mit den Kosten eines automatischen Velmor-Schmiersystems.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
    <message>
        <source>A facility file (.velmor) to open.</source>
        <translation>Eine zu öffnende Anlagendatei (.velmor).</translation>
    </message>
    <message>
        <source>one facility file at a time, not %1</source>
        <translation>jeweils nur eine Anlagendatei, nicht %1</translation>
    </message>
    <message>
        <source>--report needs the name of the PDF file to write</source>
        <translation>--report benötigt den Namen der zu schreibenden PDF-Datei</translation>
    </message>
    <message>
        <source>Shows the window and writes the report in LANGUAGE: %1.</source>
        <translation>Zeigt das Fenster an und schreibt den Bericht in der Sprache LANGUAGE: %1.</translation>
    </message>
    <message>
        <source>no language &quot;%1&quot;; the languages are %2</source>
        <translation>keine Sprache „%1“; verfügbar sind %2</translation>
    </message>
    <message>
        <source>Writes the customer report of FILE, or of the default figures, to OUT as a PDF, without opening a window.</source>
        <translation>Schreibt den Kundenbericht zu FILE oder zu den Standardwerten als PDF nach OUT, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Writes the figures of FILE, or the default figures, to OUT as a workbook (.xlsx) whose costs are formulas, without opening a window.</source>
        <translation>Schreibt die Werte aus FILE oder die Standardwerte als Arbeitsmappe (.xlsx), deren Kosten Formeln sind, nach OUT, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>one of --report, --workbook and --summary at a time</source>
        <translation>jeweils nur eine der Optionen --report, --workbook und --summary</translation>
    </message>
    <message>
        <source>--summary needs the name of the file to write</source>
        <translation>--summary benötigt den Namen der zu schreibenden Datei</translation>
    </message>
    <message>
        <source>--summary needs at least one facility file</source>
        <translation>--summary benötigt mindestens eine Anlagendatei</translation>
    </message>
    <message>
        <source>--workbook needs the name of the workbook to write</source>
        <translation>--workbook benötigt den Namen der zu schreibenden Arbeitsmappe</translation>
    </message>
    <message>
        <source>Writes one row for each FILE (its totals, payback and net present value) and a total row to OUT, a .csv or .xlsx file. A file listed twice, by any name, is refused rather than counted twice.</source>
        <translation>Schreibt je FILE eine Zeile (Summen, Amortisation und Kapitalwert) sowie eine Summenzeile nach OUT, eine .csv- oder .xlsx-Datei. Eine zweimal angegebene Datei wird, unter welchem Namen auch immer, abgelehnt statt doppelt gezählt.</translation>
    </message>
    <message>
        <source>--%1 is given more than once; one file is written at a time</source>
        <translation>--%1 ist mehrfach angegeben; es wird jeweils nur eine Datei geschrieben</translation>
    </message>
    <message>
        <source>--summary lists %1 twice</source>
        <translation>--summary nennt %1 zweimal</translation>
    </message>
    <message>
        <source>--summary lists one file twice, as %1 and as %2</source>
        <translation>--summary nennt eine Datei zweimal, als %1 und als %2</translation>
    </message>
    <message>
        <source>Could not use the figures of %1. %2</source>
        <translation>Die Werte von %1 konnten nicht verwendet werden. %2</translation>
    </message>
    <message>
        <source>The dates of column %1 could be day first or month first (03/04/2024); their order can be chosen in the window.</source>
        <translation>Die Datumsangaben der Spalte %1 können mit dem Tag oder dem Monat beginnen (03/04/2024); ihre Reihenfolge lässt sich im Fenster wählen.</translation>
    </message>
    <message>
        <source>Reads a work-order export (.csv, .txt or .xlsx) with the columns guessed from its header and writes what its bearing failures and repair hours come to; with --report or --workbook, applies them to the figures of FILE, or the default figures, before writing.</source>
        <translation>Liest einen Export von Instandhaltungsaufträgen (.csv, .txt oder .xlsx), erkennt die Spalten an der Kopfzeile und gibt aus, was seine Lagerausfälle und Reparaturstunden ergeben; mit --report oder --workbook werden sie vor dem Schreiben auf die Werte von FILE oder die Standardwerte angewendet.</translation>
    </message>
    <message>
        <source>--records is given more than once; one export is read at a time</source>
        <translation>--records ist mehrfach angegeben; es wird jeweils ein Export gelesen</translation>
    </message>
    <message>
        <source>--records needs the name of the export to read</source>
        <translation>--records benötigt den Namen des zu lesenden Exports</translation>
    </message>
    <message>
        <source>--records goes with --report or --workbook, not with --summary</source>
        <translation>--records gilt für --report oder --workbook, nicht für --summary</translation>
    </message>
    <message>
        <source>It has no sheet %1.</source>
        <translation>Sie hat kein Blatt %1.</translation>
    </message>
    <message>
        <source>--%1 goes with --records</source>
        <translation>--%1 gilt nur zusammen mit --records</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehrfach angegeben</translation>
    </message>
    <message>
        <source>--date-order is dmy or mdy, not &quot;%1&quot;</source>
        <translation>--date-order ist dmy oder mdy, nicht „%1“</translation>
    </message>
    <message>
        <source>With --records, reads the workbook&apos;s sheet SHEET, by its number from 1 or its name, instead of the first.</source>
        <translation>Liest mit --records statt des ersten das Blatt SHEET der Arbeitsmappe, nach seiner Nummer ab 1 oder seinem Namen.</translation>
    </message>
    <message>
        <source>With --records, reads the columns named in COLUMNS (&quot;date=Datum,description=Text,repairHours=Ist-Arbeit&quot;; also asset, workType and downtimeHours) instead of those guessed from the header.</source>
        <translation>Liest mit --records die in COLUMNS genannten Spalten („date=Datum,description=Text,repairHours=Ist-Arbeit“; außerdem asset, workType und downtimeHours) statt der aus der Kopfzeile erratenen.</translation>
    </message>
    <message>
        <source>With --records, counts the work orders whose type or description holds one of WORDS (separated by commas) as bearing failures; given, no failure found is a result, not a refusal.</source>
        <translation>Zählt mit --records die Arbeitsaufträge, deren Art oder Beschreibung eines der WORDS (durch Kommas getrennt) enthält, als Lagerausfälle; sind sie angegeben, ist „kein Ausfall gefunden“ ein Ergebnis und keine Ablehnung.</translation>
    </message>
    <message>
        <source>With --records, reads dates such as 03/04/2024 day first (dmy) or month first (mdy) where the export does not tell.</source>
        <translation>Liest mit --records Daten wie 03/04/2024 mit dem Tag zuerst (dmy) oder dem Monat zuerst (mdy), wo der Export es nicht erkennen lässt.</translation>
    </message>
    <message>
        <source>With --records, counts only the work orders of the work types TYPES (separated by commas, e.g. &quot;CM,EM&quot;) as failures, instead of the corrective and breakdown types guessed from the work-type column.</source>
        <translation>Zählt mit --records nur die Arbeitsaufträge der Auftragsarten TYPES (durch Kommas getrennt, z. B. „CM,EM“) als Ausfälle, statt der aus der Spalte der Auftragsart erratenen Instandsetzungs- und Störungsarten.</translation>
    </message>
    <message>
        <source>--installed takes a date such as 2024-03-01, not &quot;%1&quot;</source>
        <translation>--installed erwartet ein Datum wie 2024-03-01, nicht „%1“</translation>
    </message>
    <message>
        <source>With --records, checks the failures before the system was installed on DATE (2024-03-01) against those after it, beside the reduction the case assumes.</source>
        <translation>Vergleicht mit --records die Ausfälle vor der Installation des Systems am DATE (2024-03-01) mit denen danach, neben der angenommenen Senkung.</translation>
    </message>
    <message>
        <source>--repeat-days takes a number of days from 0 to %1, not &quot;%2&quot;</source>
        <translation>--repeat-days erwartet eine Zahl von Tagen von 0 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <source>With --records, counts the failures from FROM to TO (2023-01-01:2024-12-31), the period the export covers, instead of from its first order to its last.</source>
        <translation>Zählt mit --records die Ausfälle von FROM bis TO (2023-01-01:2024-12-31), dem Zeitraum des Exports, statt vom ersten bis zum letzten Auftrag.</translation>
    </message>
    <message>
        <source>With --records, counts orders on one asset within DAYS days of each other as one failure (7 unless given).</source>
        <translation>Zählt mit --records Aufträge an einer Anlage, die höchstens DAYS Tage auseinanderliegen, als einen Ausfall (7, sofern nicht angegeben).</translation>
    </message>
    <message>
        <source>With --records, values the lost production of a failure over the export&apos;s mean downtime instead of the repair hours, where the export has downtime hours.</source>
        <translation>Mit --records wird der Produktionsausfall eines Ausfalls über die mittlere Stillstandszeit des Exports bewertet statt über die Reparaturstunden, sofern der Export Stillstandsstunden enthält.</translation>
    </message>
</context>
<context>
    <name>platform::ChartControl</name>
    <message>
        <source>negative figures not drawn</source>
        <translation>negative Werte nicht dargestellt</translation>
    </message>
</context>
</TS>
