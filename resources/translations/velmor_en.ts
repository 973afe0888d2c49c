<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BusinessCaseText</name>
    <message numerus="yes">
        <source>Return on investment over %1 year(s): none, nothing is invested</source>
        <translation>
            <numerusform>Return on investment over %1 year: none, nothing is invested</numerusform>
            <numerusform>Return on investment over %1 years: none, nothing is invested</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Discounted payback: not within the %1 year(s)</source>
        <translation>
            <numerusform>Discounted payback: not within the %1 year</numerusform>
            <numerusform>Discounted payback: not within the %1 years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start; the annual net is the annual savings less the annual upkeep, received at the end of each year over the %1 year(s) evaluated. Simple payback = investment ÷ (annual net ÷ 12) months. Return on investment = (savings × years − upkeep × years − investment) ÷ investment. Net present value = −investment + Σ annual net ÷ (1 + rate)^t for t = 1 to %1, at a discount rate of %2. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted annual nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</source>
        <translation>
            <numerusform>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start; the yearly net is the annual savings less the yearly upkeep, received at the end of each year over the %1 year evaluated. Simple payback = investment ÷ (yearly net ÷ 12) months. Return on investment = (savings × years − upkeep × years − investment) ÷ investment. Net present value = −investment + Σ yearly net ÷ (1 + rate)^t for t = 1 to %1, at a discount rate of %2. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted yearly nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</numerusform>
            <numerusform>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start; the yearly net is the annual savings less the yearly upkeep, received at the end of each year over the %1 years evaluated. Simple payback = investment ÷ (yearly net ÷ 12) months. Return on investment = (savings × years − upkeep × years − investment) ÷ investment. Net present value = −investment + Σ yearly net ÷ (1 + rate)^t for t = 1 to %1, at a discount rate of %2. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted yearly nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not within %n year(s)</source>
        <translation>
            <numerusform>not within %n year</numerusform>
            <numerusform>not within %n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Simple payback: not within the %n year(s) evaluated (%1 months at the last year&apos;s pace)</source>
        <translation>
            <numerusform>Simple payback: not within the %n year evaluated (%1 months at the last year&apos;s pace)</numerusform>
            <numerusform>Simple payback: not within the %n years evaluated (%1 months at the last year&apos;s pace)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return on investment, undiscounted, over %1 year(s): %2 (%3 a year)</source>
        <translation>
            <numerusform>Return on investment, undiscounted, over %1 year: %2 (%3 a year)</numerusform>
            <numerusform>Return on investment, undiscounted, over %1 years: %2 (%3 a year)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return on investment, undiscounted, over %1 year(s): %2</source>
        <translation>
            <numerusform>Return on investment, undiscounted, over %1 year: %2</numerusform>
            <numerusform>Return on investment, undiscounted, over %1 years: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Simple payback: not within the %n year(s) evaluated (%1 months at the last year&apos;s pace without its depreciation&apos;s tax credit)</source>
        <translation>
            <numerusform>Simple payback: not within the %n year evaluated (%1 months at the last year&apos;s pace without its depreciation&apos;s tax credit)</numerusform>
            <numerusform>Simple payback: not within the %n years evaluated (%1 months at the last year&apos;s pace without its depreciation&apos;s tax credit)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start. Each year&apos;s net is that year&apos;s savings less its upkeep and tax, and in the last of the %1 year(s) evaluated plus the residual value after tax, as the cash-flow table shows. Simple payback is the months until the cumulative net reaches zero, in proportion within the year that reaches it, and beyond the period at the last year&apos;s pace without its depreciation&apos;s tax credit. Return on investment = (Σ savings − Σ upkeep − Σ tax + residual value after tax − investment) ÷ investment. Net present value = −investment + Σ of the nets at a discount rate of %2, %3. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</source>
        <translation>
            <numerusform>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start. Each year&apos;s net is that year&apos;s savings less its upkeep and tax, and in the last of the %1 year evaluated plus the residual value after tax, as the cash-flow table shows. Simple payback is the months until the cumulative net reaches zero, in proportion within the year that reaches it, and beyond the period at the last year&apos;s pace without its depreciation&apos;s tax credit. Return on investment = (Σ savings − Σ upkeep − Σ tax + residual value after tax − investment) ÷ investment. Net present value = −investment + Σ of the nets at a discount rate of %2, %3. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</numerusform>
            <numerusform>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start. Each year&apos;s net is that year&apos;s savings less its upkeep and tax, and in the last of the %1 years evaluated plus the residual value after tax, as the cash-flow table shows. Simple payback is the months until the cumulative net reaches zero, in proportion within the year that reaches it, and beyond the period at the last year&apos;s pace without its depreciation&apos;s tax credit. Return on investment = (Σ savings − Σ upkeep − Σ tax + residual value after tax − investment) ÷ investment. Net present value = −investment + Σ of the nets at a discount rate of %2, %3. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CapitalText</name>
    <message numerus="yes">
        <source>The investment is depreciated straight-line over %n year(s).</source>
        <translation>
            <numerusform>The investment is depreciated straight-line over %n year.</numerusform>
            <numerusform>The investment is depreciated straight-line over %n years.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClipboardText</name>
    <message numerus="yes">
        <source>Return on investment over %n year(s)</source>
        <translation>
            <numerusform>Return on investment over %n year</numerusform>
            <numerusform>Return on investment over %n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not within %n year(s)</source>
        <translation>
            <numerusform>not within %n year</numerusform>
            <numerusform>not within %n years</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LostProductionText</name>
    <message numerus="yes">
        <source>A failure stops production for %1 hour(s); the labor to replace the bearing is counted over the hours to replace it.</source>
        <translation>
            <numerusform>A failure stops production for %1 hour; the labour to replace the bearing is counted over the hours to replace it.</numerusform>
            <numerusform>A failure stops production for %1 hours; the labour to replace the bearing is counted over the hours to replace it.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordsDialog</name>
    <message numerus="yes">
        <source>%Ln order(s) matched, %1 left out by hand.</source>
        <translation>
            <numerusform>%Ln order matched, %1 left out by hand.</numerusform>
            <numerusform>%Ln orders matched, %1 left out by hand.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordsText</name>
    <message numerus="yes">
        <source>%Ln bearing failure(s) from %1 to %2: %3 a year, %4 between %5 and %6</source>
        <translation>
            <numerusform>%Ln bearing failure from %1 to %2: %3 a year, %4 between %5 and %6</numerusform>
            <numerusform>%Ln bearing failures from %1 to %2: %3 a year, %4 between %5 and %6</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln bearing failure(s) on %1, too short a time for a rate a year</source>
        <translation>
            <numerusform>%Ln bearing failure on %1, too short a time for a rate a year</numerusform>
            <numerusform>%Ln bearing failures on %1, too short a time for a rate a year</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From %Ln work order(s) in %1</source>
        <translation>
            <numerusform>From %Ln work order in %1</numerusform>
            <numerusform>From %Ln work orders in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln repeated row(s) counted once</source>
        <translation>
            <numerusform>, %Ln repeated row counted once</numerusform>
            <numerusform>, %Ln repeated rows counted once</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln row(s) without a date left out</source>
        <translation>
            <numerusform>, %Ln row without a date left out</numerusform>
            <numerusform>, %Ln rows without a date left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Failures counted among the %Ln order(s) of type %1</source>
        <translation>
            <numerusform>Failures counted among the %Ln order of type %1</numerusform>
            <numerusform>Failures counted among the %Ln orders of type %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln failure order(s), repeats on one asset within %1 days counted as one</source>
        <translation>
            <numerusform>, %Ln failure order, repeats on one asset within %1 days counted as one</numerusform>
            <numerusform>, %Ln failure orders, repeats on one asset within %1 days counted as one</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln failure(s), %2 a year, %3 of all failures</source>
        <translation>
            <numerusform>%1: %Ln failure, %2 a year, %3 of all failures</numerusform>
            <numerusform>%1: %Ln failures, %2 a year, %3 of all failures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln order(s) outside the period left out</source>
        <translation>
            <numerusform>, %Ln order outside the period left out</numerusform>
            <numerusform>, %Ln orders outside the period left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln order(s) left out by hand</source>
        <translation>
            <numerusform>, %Ln order left out by hand</numerusform>
            <numerusform>, %Ln orders left out by hand</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the gamma posterior (Jeffreys prior) of %Ln failure(s) counted in %1 years</source>
        <translation>
            <numerusform>the gamma posterior (Jeffreys prior) of %Ln failure counted in %1 years</numerusform>
            <numerusform>the gamma posterior (Jeffreys prior) of %Ln failures counted in %1 years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a gamma of the mean of %Ln repair(s): %1 hours, standard error %2</source>
        <translation>
            <numerusform>a gamma of the mean of %Ln repair: %1 hours, standard error %2</numerusform>
            <numerusform>a gamma of the mean of %Ln repairs: %1 hours, standard error %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the mean of %Ln repair(s), %1 hours, fixed: their hours do not vary</source>
        <translation>
            <numerusform>the mean of %Ln repair, %1 hours, fixed: its hours do not vary</numerusform>
            <numerusform>the mean of %Ln repairs, %1 hours, fixed: their hours do not vary</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message numerus="yes">
        <source>The investment: %1, evaluated over %2 year(s) at a discount rate of %3%.</source>
        <translation>
            <numerusform>The investment: %1, evaluated over %2 year at a discount rate of %3%.</numerusform>
            <numerusform>The investment: %1, evaluated over %2 years at a discount rate of %3%.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Payback period: %1 months, not within the %n year(s) evaluated</source>
        <translation>
            <numerusform>Payback period: %1 months, not within the %n year evaluated</numerusform>
            <numerusform>Payback period: %1 months, not within the %n years evaluated</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Net cash flow over %n year(s): %1</source>
        <translation>
            <numerusform>Net cash flow over %n year: %1</numerusform>
            <numerusform>Net cash flow over %n years: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Payback period: %1 months after tax, not within the %n year(s) evaluated</source>
        <translation>
            <numerusform>Payback period: %1 months after tax, not within the %n year evaluated</numerusform>
            <numerusform>Payback period: %1 months after tax, not within the %n years evaluated</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These figures are of the option %1, one of the %n options the page of the alternatives considered sets beside doing nothing.</source>
        <translation>
            <numerusform>These figures are of the option %1, one of the %n option the page of the alternatives considered sets beside doing nothing.</numerusform>
            <numerusform>These figures are of the option %1, one of the %n options the page of the alternatives considered sets beside doing nothing.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RiskText</name>
    <message numerus="yes">
        <source>%1 run(s) of the simulation, seed %2</source>
        <extracomment>%1: the number of runs, %2: the seed, a whole number that draws the same runs again.</extracomment>
        <translation>
            <numerusform>%1 run of the simulation, seed %2</numerusform>
            <numerusform>%1 runs of the simulation, seed %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 run(s) left out: their arithmetic overflows.</source>
        <translation>
            <numerusform>%1 run left out: its arithmetic overflows.</numerusform>
            <numerusform>%1 runs left out: their arithmetic overflows.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavingsCheckText</name>
    <message numerus="yes">
        <source>Before %1: %Ln bearing failure(s) in %2 years, %3</source>
        <translation>
            <numerusform>Before %1: %Ln bearing failure in %2 years, %3</numerusform>
            <numerusform>Before %1: %Ln bearing failures in %2 years, %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From %1 on: %Ln bearing failure(s) in %2 years, %3</source>
        <translation>
            <numerusform>From %1 on: %Ln bearing failure in %2 years, %3</numerusform>
            <numerusform>From %1 on: %Ln bearing failures in %2 years, %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WorkbookText</name>
    <message numerus="yes">
        <source>not within the %1 year(s)</source>
        <translation>
            <numerusform>not within the %1 year</numerusform>
            <numerusform>not within the %1 years</numerusform>
        </translation>
    </message>
</context>
</TS>
