<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AssumptionsDialog</name>
    <message>
        <source>Assumptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much of each yearly cost a Velmor automatic lubrication system is assumed to save, in per cent (0 to 100, in tenths):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Designed Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reduction of %1 %2 is not a percentage from 0 to 100 with at most one decimal.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BusinessCase</name>
    <message>
        <source>The %1 %2 %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>installed system price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a sum of dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>installation cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yearly upkeep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>evaluation period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a whole number of years from 1 to 50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>discount rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a percentage above −100 and up to 1000</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BusinessCaseText</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial investment (price and installation): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly upkeep of the system: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly savings after upkeep: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple payback: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple payback: none, the yearly savings do not exceed the upkeep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return on investment over %1 years: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return on investment over %1 years: none, nothing is invested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net present value at %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal rate of return: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal rate of return: none, the cash flows never change sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discounted payback: %1 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discounted payback: not within the %1 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start; the yearly net is the annual savings less the yearly upkeep, received at the end of each year over the %1 years evaluated. Simple payback = investment ÷ (yearly net ÷ 12) months. Return on investment = (savings × years − upkeep × years − investment) ÷ investment. Net present value = −investment + Σ yearly net ÷ (1 + rate)^t for t = 1 to %1, at a discount rate of %2. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted yearly nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cumulative cash flow ($)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet paid back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change of the annual savings ($) at ±%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowered by %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raised by %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearings in facility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubrication points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubrication frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubricant quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourly production rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost of lubricant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost of a bearing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubrication labor rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replacement labor rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time to lubricate a point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time to replace a bearing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubrication labor reduction (%1%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubricant reduction (%1%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearings reduction (%1%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replacement labor reduction (%1%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost production reduction (%1%)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BusinessCaseWindow</name>
    <message>
        <source>Conservative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assumed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optimistic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reductions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step of the sensitivity (±%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the installed system price to see the payback, the return on investment, the net present value and the internal rate of return.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartControl</name>
    <message>
        <source>Lubrication Labor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubricant Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replacement Labor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost Production</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CURRENT COST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VELMOR COST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVINGS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmor cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ESTIMATED ANNUAL SAVINGS IN DOLLARS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClipboardText</name>
    <message>
        <source>Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple payback (months)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return on investment over %1 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net present value at %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not within %1 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discounted payback (years)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CostRows</name>
    <message>
        <source>%1 by %2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Velmor cost assumes that automatic lubrication cuts %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Labor to Lubricate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labor to lubricate (%1% reduction)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lubrication labour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grease used for manual lubrication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grease consumption (%1% reduction)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lubricant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New replacement bearings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New replacement bearings (%1% reduction)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the replacement bearings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labor to replace failed bearings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing replacement labor (%1% reduction)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the replacement labour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost Production</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost Production (%1% reduction)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lost production</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total anual cost of manual lubrication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total annual cost using Velmor automatic lubrication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total annual savings over manual lubrication costs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CurrencyUnitsDialog</name>
    <message>
        <source>Currency and Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every money figure is typed and shown in this currency; figures are not converted between currencies.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency symbol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A figure shows as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imperial (lb)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metric (kg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubricant weighed in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubricant quantity and price will be converted to kilograms; the results stay the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubricant quantity and price will be converted to pounds; the results stay the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lubricant %1 will be converted to kilograms; the %2 holds no number and stays as typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lubricant %1 will be converted to pounds; the %2 holds no number and stays as typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lubricant quantity and price hold no numbers and stay as typed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FacilityFile</name>
    <message>
        <source>Could not open %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not valid text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is longer than a field holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figures were typed in regional settings that are not known here (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figure for %1 %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figure for %1 holds characters an input field cannot show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report detail %1 %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The investment&apos;s %1 %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An assumed reduction is not a percentage from 0 to 100 in tenths.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figures are too long for a facility file, which holds at most 64 KiB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s %1 are not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 %2 is not a text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than 64 KiB, too large for a facility file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a facility file: it is not JSON (%1 at byte %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds the key %1 twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a facility file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has no valid version number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was saved by a newer version of this program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not say in which regional settings its figures were typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no figures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %1 instead of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figure for %1 is not a text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s assumptions are not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The assumed reduction %1 is not a percentage from 0 to 100 in tenths.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open the figures. No file name was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the figures. No file name was given.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FigureCommands</name>
    <message>
        <source>Facility figures (*.velmor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Figures…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Figures As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Details…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assumptions…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business Case…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Report as PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before closing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before opening other figures?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes not saved are lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facility figures.velmor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Figures As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubrication Cost Savings Report.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Lubrication Cost Savings Report.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency and Units…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Workbook…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubrication Cost Savings.xlsx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Lubrication Cost Savings.xlsx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>%1

The results cannot be computed from these figures. Please check the figures under &quot;Your Data&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmor logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmor banner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A lubrication pump and a bearing beside the Velmor logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HALDMARK and Velmor banner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubrication equipment, the HALDMARK logo and the Velmor logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facility files, the customer report, copying the results and zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series Bar Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pie Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stacked Bar Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmor Automatic Lubrication Systems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Velmor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmor Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANUAL COST OF MANUAL LUBRICATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANNUAL COST OF LUBRICATION USING VELMOR AUTOMATIC LUBRICATION SYSTEM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANNUAL COST SAVINGS REALIZED BY USING VELMOR AUTOMATION VS. MANUAL LUBRICATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This calculator will provide you with an estimated cost comparison between your existing lubrication method and a VELMOR® Centralized Lubrication System by HALDMARK® Inc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To calculate costs particular to your facility, enter the required data in the data fields found under the &quot;Your Data&quot; tab above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once your data are properly entered, you can review the effect of using a VELMOR Centralized Lubrication System under the &quot;Velmor Cost&quot; tab and the savings that can be realized under the &quot;Savings&quot; tab. A comparison of the results can be reviewed in graphical format under the &quot;Graph&quot; tab above.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About HALDMARK®</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HALDMARK banner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane Software logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WWW: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Inputs</name>
    <message>
        <source>FACILITY PARTICULARS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of bearings in facility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bearings installed in the facility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of bearing failures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> per year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bearings that fail per year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of lubrication points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>points lubricated by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubrication frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> per month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>times each point is lubricated per month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubricant quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> lbs/year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pounds of lubricant used per year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourly production rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> $/hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value of production lost per hour of stoppage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MATERIAL COST (Average)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost of Lubricant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> $/lb.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>price of lubricant per pound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost of Replacement Bearing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> $/each</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>price of one replacement bearing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LABOR COST (Average)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubrication </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hourly labour rate for lubricating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing Replacement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hourly labour rate for replacing bearings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIME (Average)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubricate a single point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes to lubricate one point once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace a bearing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours to replace one failed bearing (and stoppage per failure)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> kg/year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> $/kg</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvestmentFields</name>
    <message>
        <source>Investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed system price ($):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation cost ($):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly upkeep of the system ($):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation period (years):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount rate (%):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculator will be shown in the chosen language the next time it is started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportDetailsDialog</name>
    <message>
        <source>Report Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Customer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facility figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment and measures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assumptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the report to %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>Conservative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assumed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optimistic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an installed system price of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>installation at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a yearly upkeep of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The investment: %1, evaluated over %2 years at a discount rate of %3%.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reductions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensitivity: each of the twelve figures and five reductions lowered and raised by %1%, a reduction no further than 0% or 100%.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed system price: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation cost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly upkeep: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No payback: with these figures the system brings no yearly savings to pay for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payback period: %1 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net savings over 3 years: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net savings over 5 years: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figure &quot;%1&quot; is not a number: &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the results cannot be computed from these figures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lubrication Cost Savings Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>price per kg × kg per year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>price per lb. × lbs. per year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All figures are yearly, in dollars.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All figures are yearly, in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How these figures are computed. The current cost is what lubricating by hand costs a year: the labour to lubricate (points × minutes per point ÷ 60 × labour rate × times per month × 12), the lubricant (%2), new replacement bearings (bearing price × failures per year), the labour to replace them (failures × hours per replacement × labour rate) and lost production, since every bearing failure stops production for the time its replacement takes (failures × hours per replacement × production value per hour). %1 The savings are the difference. %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Not every byte could be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a pipe (FIFO), not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It cannot be read to see what it holds: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a %1, so it is not replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its name is that of a %1, which a %2 never replaces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was made to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not every byte reached the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>facility file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spreadsheet workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SummaryText</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current annual cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmor annual cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payback (months)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its figures cannot be computed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook could not be made: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not sum up %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A summary is written as .csv or .xlsx.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the summary to %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkbookText</name>
    <message>
        <source>Current Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmor Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduction with Velmor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per cent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed system price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly upkeep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>per year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>years (1 to %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% a year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial outlay (price + installation)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly net (savings − upkeep)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple payback, months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return on investment over the period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net cash flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figures cannot be computed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figure for “%1” is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the workbook %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook could not be made: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Compares the yearly cost of lubricating a facility by hand with the cost of a Velmor automatic lubrication system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A facility file (.velmor) to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one facility file at a time, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--report needs the name of the PDF file to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the window and writes the report in LANGUAGE: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no language &quot;%1&quot;; the languages are %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the customer report of FILE, or of the default figures, to OUT as a PDF, without opening a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the figures of FILE, or the default figures, to OUT as a workbook (.xlsx) whose costs are formulas, without opening a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes one row for each FILE (its totals, payback and net present value) and a total row to OUT, a .csv or .xlsx file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one of --report, --workbook and --summary at a time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--summary needs the name of the file to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--summary needs at least one facility file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--workbook needs the name of the workbook to write</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::ChartControl</name>
    <message>
        <source>negative figures not drawn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
