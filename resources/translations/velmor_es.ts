<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AlternativesDialog</name>
    <message>
        <source>Alternatives</source>
        <translation>Alternativas</translation>
    </message>
    <message>
        <source>The selected option, in bold, is the one the Business Case window, the tables and the report show. To change another option, select it: its investment then stands in the Business Case window&apos;s fields, and its reductions in Assumptions… once that window is closed with OK.</source>
        <translation>La alternativa seleccionada, en negrita, es la que muestran la ventana Análisis de rentabilidad, las tablas y el informe. Para elegir otra alternativa, selecciónela: su inversión aparece entonces en los campos de la ventana Análisis de rentabilidad y sus reducciones en Supuestos… una vez cerrada esa ventana con Aceptar.</translation>
    </message>
    <message>
        <source>&amp;Add Option…</source>
        <translation>&amp;Añadir alternativa…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Cambiar nombre…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message>
        <source>The case weighs one option against doing nothing. Add an option to set others beside it.</source>
        <translation>El análisis compara una sola alternativa con no hacer nada. Añada una alternativa para poner otras a su lado.</translation>
    </message>
    <message>
        <source>Name of the option:</source>
        <translation>Nombre de la alternativa:</translation>
    </message>
    <message>
        <source>An option needs a name.</source>
        <translation>Una alternativa necesita un nombre.</translation>
    </message>
    <message>
        <source>An option&apos;s name holds at most %1 characters.</source>
        <translation>El nombre de una alternativa tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The case already has an option named %1.</source>
        <translation>Ya hay una alternativa llamada %1.</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Alternativa %1</translation>
    </message>
    <message>
        <source>Add Option</source>
        <translation>Añadir alternativa</translation>
    </message>
    <message>
        <source>Rename Option</source>
        <translation>Cambiar el nombre de la alternativa</translation>
    </message>
</context>
<context>
    <name>AlternativesText</name>
    <message>
        <source>No system price is given.</source>
        <translation>No se ha indicado el precio del sistema.</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>Automatic lubrication</source>
        <translation>Lubricación automática</translation>
    </message>
    <message>
        <source>Set against</source>
        <translation>Frente a</translation>
    </message>
    <message>
        <source>Added outlay</source>
        <translation>Inversión inicial adicional</translation>
    </message>
    <message>
        <source>Incremental NPV</source>
        <translation>VAN incremental</translation>
    </message>
    <message>
        <source>Incremental IRR</source>
        <translation>TIR incremental</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Alternativa</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Ahorro anual</translation>
    </message>
    <message>
        <source>Outlay</source>
        <translation>Inversión inicial</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valor actual neto</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>Tasa interna de rentabilidad</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Recuperación</translation>
    </message>
    <message>
        <source>NPV on hard savings</source>
        <translation>VAN con ahorros tangibles</translation>
    </message>
    <message>
        <source>No option has a net present value above zero: doing nothing costs least.</source>
        <translation>Ninguna alternativa tiene un valor actual neto positivo: no hacer nada es lo que menos cuesta.</translation>
    </message>
    <message>
        <source>Of the options considered, %1 has the highest net present value, %2.</source>
        <translation>De las alternativas consideradas, %1 tiene el valor actual neto más alto, %2.</translation>
    </message>
    <message>
        <source>Each option is set against the next cheaper one: its incremental net present value and rate of return are those of what it costs and saves beyond that one, and its added outlay pays where the incremental net present value is above zero.</source>
        <translation>Cada alternativa se compara con la siguiente más barata: su valor actual neto y su tasa de rentabilidad incrementales son los de lo que cuesta y ahorra más allá de aquella, y su inversión inicial adicional compensa cuando el valor actual neto incremental es positivo.</translation>
    </message>
    <message>
        <source>The other pages show %1.</source>
        <translation>Las demás páginas muestran %1.</translation>
    </message>
    <message>
        <source>%1 is not evaluated: %2</source>
        <translation>%1 no se evalúa: %2</translation>
    </message>
    <message>
        <source>%1 is evaluated over another period, at another rate or timing than %2, so their flows are not set against each other.</source>
        <translation>%1 se evalúa con otro periodo, otra tasa u otro momento de los flujos que %2, por lo que sus flujos no se comparan.</translation>
    </message>
</context>
<context>
    <name>ArithmeticFault</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Invalid operation</source>
        <translation>Operación no válida</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Automatic Lubrication Systems</source>
        <extracomment>tag line under the VELMOR wordmark; about 30 characters fit the Your Data banner at full size</extracomment>
        <translation>Lubricación automática</translation>
    </message>
    <message>
        <source>Velmor Automatic Lubrication Systems · Cost Savings Calculator</source>
        <extracomment>title band of the main window; a longer title is drawn a little smaller, or on two lines</extracomment>
        <translation>Sistemas de lubricación automática Velmor · Calculadora de ahorro de costes</translation>
    </message>
    <message>
        <source>HALDMARK®, Inc. · 1200 Industrial Parkway · Springfield, OH  45501</source>
        <extracomment>the maker&apos;s postal address in the main window&apos;s footer; keep it, adding the country where readers need it</extracomment>
        <translation>HALDMARK®, Inc. · 1200 Industrial Parkway · Springfield, OH  45501, EE. UU.</translation>
    </message>
    <message>
        <source>Phone %1 · Fax %2 · %3</source>
        <extracomment>main window&apos;s footer: %1 phone number, %2 fax number, %3 web site</extracomment>
        <translation>Tel. %1 · Fax %2 · %3</translation>
    </message>
    <message>
        <source>Centralized lubrication that pays for itself</source>
        <extracomment>slogan in the results&apos; banner; it may take two lines</extracomment>
        <translation>Lubricación centralizada que se paga sola</translation>
    </message>
    <message>
        <source>Lubrication Systems</source>
        <extracomment>short tag line under the VELMOR wordmark; about 22 characters fit at full size</extracomment>
        <translation>Sistemas de lubricación</translation>
    </message>
    <message>
        <source>Centralized lubrication systems</source>
        <extracomment>subtitle under the maker&apos;s logotype in the About window</extracomment>
        <translation>Sistemas de lubricación centralizada</translation>
    </message>
    <message>
        <source>Engineering tools
for industry
since 1994</source>
        <extracomment>the software designer&apos;s motto in the About window: three short lines, each about 18 characters</extracomment>
        <translation>Herramientas de ingeniería
para la industria
desde 1994</translation>
    </message>
</context>
<context>
    <name>AssetTableText</name>
    <message>
        <source>Asset</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Averías</translation>
    </message>
    <message>
        <source>A year</source>
        <translation>Al año</translation>
    </message>
    <message>
        <source>Share of all failures</source>
        <translation>Parte de todas las averías</translation>
    </message>
    <message>
        <source>Median repair hours</source>
        <translation>Horas de reparación (mediana)</translation>
    </message>
    <message>
        <source>Median downtime hours</source>
        <translation>Horas de parada (mediana)</translation>
    </message>
    <message>
        <source>Repeat failures</source>
        <translation>Averías repetidas</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>In the column &quot;Repeat failures&quot;, for an asset that failed three times or more.</extracomment>
        <translation>sí</translation>
    </message>
</context>
<context>
    <name>AssumptionsDialog</name>
    <message>
        <source>Assumptions</source>
        <translation>Supuestos</translation>
    </message>
    <message>
        <source>How much of each annual cost a Velmor automatic lubrication system is assumed to save, in percent (0 to 100, in tenths):</source>
        <translation>Cuánto se supone que ahorra un sistema de lubricación automática Velmor en cada coste anual, en porcentaje (de 0 a 100, en décimas):</translation>
    </message>
    <message>
        <source>%1 (%):</source>
        <translation>%1 (%):</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
    <message>
        <source>The reduction of %1 %2 is not a percentage from 0 to 100 with at most one decimal.</source>
        <translation>La reducción de %1 (%2) no es un porcentaje de 0 a 100 con un decimal como máximo.</translation>
    </message>
    <message>
        <source>Split the savings into hard (cash the plant no longer pays) and soft</source>
        <translation>Separar los ahorros en tangibles (dinero que la planta deja de pagar) e intangibles</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>En efectivo</translation>
    </message>
    <message>
        <source>e.g. overtime no longer paid</source>
        <translation>p. ej., horas extra que ya no se pagan</translation>
    </message>
    <message>
        <source>The freed lubrication hours go to:</source>
        <translation>Las horas de lubricación liberadas se destinan a:</translation>
    </message>
    <message>
        <source>How a failure&apos;s stop is valued; empty fields keep the production value per hour over the hours to replace a bearing:</source>
        <translation>Cómo se valora la parada por una avería; los campos vacíos mantienen el valor de producción por hora durante las horas de cambio de un rodamiento:</translation>
    </message>
    <message>
        <source>Contribution margin (% of the production value)</source>
        <translation>Margen de contribución (% del valor de producción)</translation>
    </message>
    <message>
        <source>Lost output made up later (%)</source>
        <translation>Producción perdida recuperada después (%)</translation>
    </message>
    <message>
        <source>People standing idle during a stop</source>
        <translation>Personas inactivas durante una parada</translation>
    </message>
    <message>
        <source>Their hourly rate (%1/hour)</source>
        <translation>Su tarifa por hora (%1/hora)</translation>
    </message>
    <message>
        <source>Stop per failure (hours)</source>
        <translation>Parada por avería (horas)</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A field&apos;s caption before the field.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>The plant is sold out: every hour lost is revenue lost</source>
        <translation>La planta vende todo lo que produce: cada hora perdida es facturación perdida</translation>
    </message>
    <message>
        <source>The %1 %2 is not a number from 0 to %3.</source>
        <translation>El campo %1 %2 no es un número de 0 a %3.</translation>
    </message>
</context>
<context>
    <name>BusinessCase</name>
    <message>
        <source>The %1 %2 %3.</source>
        <translation>El valor %2 indicado para %1 %3.</translation>
    </message>
    <message>
        <source>installed system price</source>
        <translation>el precio del sistema instalado</translation>
    </message>
    <message>
        <source>is not a sum of money</source>
        <translation>no es un importe de dinero válido</translation>
    </message>
    <message>
        <source>installation cost</source>
        <translation>el coste de instalación</translation>
    </message>
    <message>
        <source>annual upkeep</source>
        <translation>el mantenimiento anual</translation>
    </message>
    <message>
        <source>evaluation period</source>
        <translation>el periodo de evaluación</translation>
    </message>
    <message>
        <source>is not a whole number of years from 1 to 50</source>
        <translation>no es un número entero de años de 1 a 50</translation>
    </message>
    <message>
        <source>discount rate</source>
        <translation>la tasa de descuento</translation>
    </message>
    <message>
        <source>is more than %1</source>
        <translation>es mayor que %1</translation>
    </message>
    <message>
        <source>is not a percentage from %1 to %2</source>
        <translation>no es un porcentaje de %1 a %2</translation>
    </message>
    <message>
        <source>An installed system price is needed: without it the installation cost and the annual upkeep are not evaluated.</source>
        <translation>Se necesita el precio del sistema instalado: sin él, el coste de instalación y el mantenimiento anual no se evalúan.</translation>
    </message>
    <message>
        <source>annual escalation of the labor rates</source>
        <translation>el incremento anual de las tarifas horarias</translation>
    </message>
    <message>
        <source>annual escalation of the lubricant price</source>
        <translation>el incremento anual del precio del lubricante</translation>
    </message>
    <message>
        <source>annual escalation of the bearing price</source>
        <translation>el incremento anual del precio del rodamiento</translation>
    </message>
    <message>
        <source>annual escalation of the production value</source>
        <translation>el incremento anual del valor de la producción</translation>
    </message>
    <message>
        <source>annual escalation of the upkeep</source>
        <translation>el incremento anual del mantenimiento</translation>
    </message>
    <message>
        <source>income tax rate</source>
        <translation>el tipo impositivo</translation>
    </message>
    <message>
        <source>declining-balance rate</source>
        <translation>la tasa de amortización decreciente</translation>
    </message>
    <message>
        <source>first-year share of the savings</source>
        <translation>la proporción del ahorro en el primer año</translation>
    </message>
    <message>
        <source>depreciation period</source>
        <translation>el periodo de amortización</translation>
    </message>
    <message>
        <source>residual value</source>
        <translation>el valor residual</translation>
    </message>
    <message>
        <source>contingency</source>
        <translation>contingencia</translation>
    </message>
    <message>
        <source>accuracy below the estimate</source>
        <translation>precisión por debajo de la estimación</translation>
    </message>
    <message>
        <source>accuracy above the estimate</source>
        <translation>precisión por encima de la estimación</translation>
    </message>
    <message>
        <source>hurdle rate</source>
        <translation>tasa mínima de rentabilidad</translation>
    </message>
</context>
<context>
    <name>BusinessCaseText</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 meses</translation>
    </message>
    <message>
        <source>Initial investment (price and installation): %1</source>
        <translation>Inversión inicial (precio e instalación): %1</translation>
    </message>
    <message>
        <source>Annual upkeep of the system: %1</source>
        <translation>Mantenimiento anual del sistema: %1</translation>
    </message>
    <message>
        <source>Annual savings after upkeep: %1</source>
        <translation>Ahorro anual neto (tras el mantenimiento): %1</translation>
    </message>
    <message>
        <source>Simple payback: %1</source>
        <translation>Plazo de recuperación simple: %1</translation>
    </message>
    <message>
        <source>Simple payback: none, the annual savings do not exceed the upkeep</source>
        <translation>Plazo de recuperación simple: ninguno, el ahorro anual no supera el mantenimiento</translation>
    </message>
    <message numerus="yes">
        <source>Return on investment over %1 year(s): none, nothing is invested</source>
        <translation>
            <numerusform>Retorno de la inversión (ROI) a %1 año: ninguno, no se invierte nada</numerusform>
            <numerusform>Retorno de la inversión (ROI) a %1 años: ninguno, no se invierte nada</numerusform>
        </translation>
    </message>
    <message>
        <source>Net present value at %1: %2</source>
        <translation>Valor actual neto (VAN) al %1: %2</translation>
    </message>
    <message>
        <source>Internal rate of return: %1</source>
        <translation>Tasa interna de rentabilidad (TIR): %1</translation>
    </message>
    <message>
        <source>Internal rate of return: none, the cash flows never change sign</source>
        <translation>Tasa interna de rentabilidad (TIR): ninguna, los flujos de caja nunca cambian de signo</translation>
    </message>
    <message>
        <source>Discounted payback: %1 years</source>
        <translation>Plazo de recuperación descontado: %1 años</translation>
    </message>
    <message numerus="yes">
        <source>Discounted payback: not within the %1 year(s)</source>
        <translation>
            <numerusform>Plazo de recuperación descontado: no se alcanza en %1 año</numerusform>
            <numerusform>Plazo de recuperación descontado: no se alcanza en los %1 años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start; the annual net is the annual savings less the annual upkeep, received at the end of each year over the %1 year(s) evaluated. Simple payback = investment ÷ (annual net ÷ 12) months. Return on investment = (savings × years − upkeep × years − investment) ÷ investment. Net present value = −investment + Σ annual net ÷ (1 + rate)^t for t = 1 to %1, at a discount rate of %2. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted annual nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</source>
        <translation>
            <numerusform>Cómo se calculan los indicadores. La inversión es el precio del sistema más su instalación, que se paga al principio; el flujo neto anual es el ahorro anual menos el mantenimiento anual, que se percibe al final de cada año durante el periodo evaluado de %1 año. Plazo de recuperación simple = inversión ÷ (flujo neto anual ÷ 12) meses. Retorno de la inversión = (ahorro × años − mantenimiento × años − inversión) ÷ inversión. Valor actual neto = −inversión + Σ flujo neto anual ÷ (1 + tasa)^t para t = 1 a %1, con una tasa de descuento del %2. La tasa interna de rentabilidad es la tasa con la que el valor actual neto es cero. El plazo de recuperación descontado es el tiempo que tardan los flujos netos anuales descontados en cubrir la inversión. El escenario conservador reduce a la mitad cada reducción supuesta; el optimista lleva cada reducción a medio camino del 100&#xa0;%.</numerusform>
            <numerusform>Cómo se calculan los indicadores. La inversión es el precio del sistema más su instalación, que se paga al principio; el flujo neto anual es el ahorro anual menos el mantenimiento anual, que se percibe al final de cada año durante los %1 años evaluados. Plazo de recuperación simple = inversión ÷ (flujo neto anual ÷ 12) meses. Retorno de la inversión = (ahorro × años − mantenimiento × años − inversión) ÷ inversión. Valor actual neto = −inversión + Σ flujo neto anual ÷ (1 + tasa)^t para t = 1 a %1, con una tasa de descuento del %2. La tasa interna de rentabilidad es la tasa con la que el valor actual neto es cero. El plazo de recuperación descontado es el tiempo que tardan los flujos netos anuales descontados en cubrir la inversión. El escenario conservador reduce a la mitad cada reducción supuesta; el optimista lleva cada reducción a medio camino del 100&#xa0;%.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not yet paid back</source>
        <translation>Aún no recuperada</translation>
    </message>
    <message>
        <source>Paid back</source>
        <translation>Recuperada</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Change of the annual savings ($) at ±%1%</source>
        <translation>Variación del ahorro anual ($) con ±%1&#xa0;%</translation>
    </message>
    <message>
        <source>Lowered by %1%</source>
        <translation>Reducido un %1&#xa0;%</translation>
    </message>
    <message>
        <source>Raised by %1%</source>
        <translation>Aumentado un %1&#xa0;%</translation>
    </message>
    <message>
        <source>Bearings in facility</source>
        <translation>Rodamientos en la planta</translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation>Averías de rodamientos</translation>
    </message>
    <message>
        <source>Lubrication points</source>
        <translation>Puntos de lubricación</translation>
    </message>
    <message>
        <source>Lubrication frequency</source>
        <translation>Frecuencia de lubricación</translation>
    </message>
    <message>
        <source>Lubricant quantity</source>
        <translation>Cantidad de lubricante</translation>
    </message>
    <message>
        <source>Hourly production rate</source>
        <translation>Valor de producción por hora</translation>
    </message>
    <message>
        <source>Cost of lubricant</source>
        <translation>Coste del lubricante</translation>
    </message>
    <message>
        <source>Cost of a bearing</source>
        <translation>Coste de un rodamiento</translation>
    </message>
    <message>
        <source>Lubrication labor rate</source>
        <translation>Tarifa horaria de lubricación</translation>
    </message>
    <message>
        <source>Replacement labor rate</source>
        <translation>Tarifa horaria de sustitución de rodamientos</translation>
    </message>
    <message>
        <source>Time to lubricate a point</source>
        <translation>Tiempo para lubricar un punto</translation>
    </message>
    <message>
        <source>Time to replace a bearing</source>
        <translation>Tiempo para sustituir un rodamiento</translation>
    </message>
    <message>
        <source>Lubrication labor reduction (%1%)</source>
        <translation>Mano de obra de lubricación (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Lubricant reduction (%1%)</source>
        <translation>Reducción del lubricante (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Bearings reduction (%1%)</source>
        <translation>Rodamientos de repuesto (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Replacement labor reduction (%1%)</source>
        <translation>Sustitución de rodamientos (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Lost production reduction (%1%)</source>
        <translation>Producción perdida (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Conservative</source>
        <translation>Conservador</translation>
    </message>
    <message>
        <source>Assumed</source>
        <translation>Escenario base</translation>
    </message>
    <message>
        <source>Optimistic</source>
        <translation>Optimista</translation>
    </message>
    <message>
        <source>Simple payback: none, nothing is invested</source>
        <translation>Plazo de recuperación simple: ninguno, no se invierte nada</translation>
    </message>
    <message>
        <source>Discounted payback: none, nothing is invested</source>
        <translation>Plazo de recuperación descontado: ninguno, no se invierte nada</translation>
    </message>
    <message numerus="yes">
        <source>not within %n year(s)</source>
        <translation>
            <numerusform>no se alcanza en %n año</numerusform>
            <numerusform>no se alcanza en %n años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Simple payback: not within the %n year(s) evaluated (%1 months at the last year&apos;s pace)</source>
        <translation>
            <numerusform>Plazo de recuperación simple: no se alcanza en el %n año evaluado (%1 meses al ritmo del último año)</numerusform>
            <numerusform>Plazo de recuperación simple: no se alcanza en los %n años evaluados (%1 meses al ritmo del último año)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return on investment, undiscounted, over %1 year(s): %2 (%3 a year)</source>
        <translation>
            <numerusform>Retorno de la inversión, sin descontar, a %1 año: %2 (%3 anual)</numerusform>
            <numerusform>Retorno de la inversión, sin descontar, a %1 años: %2 (%3 anual)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return on investment, undiscounted, over %1 year(s): %2</source>
        <translation>
            <numerusform>Retorno de la inversión, sin descontar, a %1 año: %2</numerusform>
            <numerusform>Retorno de la inversión, sin descontar, a %1 años: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Profitability index: %1</source>
        <translation>Índice de rentabilidad: %1</translation>
    </message>
    <message>
        <source>Break-even system price: %1</source>
        <translation>Precio del sistema en el punto de equilibrio: %1</translation>
    </message>
    <message>
        <source>The case holds even without any reduction.</source>
        <translation>La inversión es rentable incluso sin ninguna reducción.</translation>
    </message>
    <message>
        <source>The case holds down to %1 of the assumed reductions.</source>
        <translation>La inversión es rentable hasta con el %1 de las reducciones supuestas.</translation>
    </message>
    <message>
        <source>The case needs %1 of the assumed reductions to break even.</source>
        <translation>El punto de equilibrio requiere el %1 de las reducciones supuestas.</translation>
    </message>
    <message>
        <source>Break-even bearing failures: %1 a year</source>
        <translation>Averías de rodamientos en el punto de equilibrio: %1 al año</translation>
    </message>
    <message>
        <source>Break-even bearing failures: none, the case holds even without failures</source>
        <translation>Averías de rodamientos en el punto de equilibrio: ninguna, la inversión es rentable incluso sin averías</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 al %2</translation>
    </message>
    <message>
        <source>The profitability index is the net present value ÷ investment + 1; the annual return is the one that, compounded over the years, gives the return on investment.</source>
        <translation>El índice de rentabilidad es el VAN ÷ inversión + 1; el retorno anual es el que, capitalizado a lo largo de los años, da el retorno de la inversión.</translation>
    </message>
    <message>
        <source>Cumulative discounted cash flow ($)</source>
        <translation>Flujo de caja descontado acumulado ($)</translation>
    </message>
    <message>
        <source>Cumulative cash flow, undiscounted ($)</source>
        <translation>Flujo de caja acumulado, sin descontar ($)</translation>
    </message>
    <message>
        <source>System price</source>
        <translation>Precio del sistema</translation>
    </message>
    <message>
        <source>Installation cost</source>
        <translation>Coste de instalación</translation>
    </message>
    <message>
        <source>Annual upkeep</source>
        <translation>Mantenimiento anual</translation>
    </message>
    <message>
        <source>Discount rate (%1%)</source>
        <translation>Tasa de descuento (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Labor rates&apos; escalation (%1%)</source>
        <translation>Incremento de las tarifas horarias (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Lubricant price&apos;s escalation (%1%)</source>
        <translation>Incremento del precio del lubricante (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Bearing price&apos;s escalation (%1%)</source>
        <translation>Incremento del precio de los rodamientos (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Production value&apos;s escalation (%1%)</source>
        <translation>Incremento del valor de la producción (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Upkeep&apos;s escalation (%1%)</source>
        <translation>Incremento del mantenimiento (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Income tax rate (%1%)</source>
        <translation>Tipo impositivo (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Change of the net present value ($) at ±%1%</source>
        <translation>Variación del VAN ($) con ±%1&#xa0;%</translation>
    </message>
    <message>
        <source>Net present value ($) as the five strongest inputs move</source>
        <translation>VAN ($) al variar los cinco datos más influyentes</translation>
    </message>
    <message>
        <source>Change of the input (%)</source>
        <translation>Variación del dato (%)</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message numerus="yes">
        <source>Simple payback: not within the %n year(s) evaluated (%1 months at the last year&apos;s pace without its depreciation&apos;s tax credit)</source>
        <translation>
            <numerusform>Plazo de recuperación simple: no se alcanza en el %n año evaluado (%1 meses al ritmo del último año, sin el ahorro fiscal de su amortización)</numerusform>
            <numerusform>Plazo de recuperación simple: no se alcanza en los %n años evaluados (%1 meses al ritmo del último año, sin el ahorro fiscal de su amortización)</numerusform>
        </translation>
    </message>
    <message>
        <source>Simple payback: %1, but the cumulative net is below zero again from year %2</source>
        <translation>Plazo de recuperación simple: %1, pero el flujo neto acumulado vuelve a ser negativo a partir del año %2</translation>
    </message>
    <message>
        <source>Simple payback: never, the annual nets after upkeep and tax do not recover the outlay</source>
        <translation>Plazo de recuperación simple: nunca, los flujos netos anuales tras mantenimiento e impuestos no cubren la inversión</translation>
    </message>
    <message>
        <source>Discounted payback: %1 years, but the discounted cumulative net is below zero again from year %2</source>
        <translation>Plazo de recuperación descontado: %1 años, pero el flujo neto descontado acumulado vuelve a ser negativo a partir del año %2</translation>
    </message>
    <message>
        <source>Discounted payback: never, the annual nets after upkeep and tax do not recover the outlay</source>
        <translation>Plazo de recuperación descontado: nunca, los flujos netos anuales tras mantenimiento e impuestos no cubren la inversión</translation>
    </message>
    <message>
        <source>Discounted payback: none, the annual savings do not exceed the upkeep</source>
        <translation>Plazo de recuperación descontado: ninguno, el ahorro anual no supera el mantenimiento</translation>
    </message>
    <message>
        <source>Net of year 1, before tax: %1</source>
        <translation>Flujo neto del año 1, antes de impuestos: %1</translation>
    </message>
    <message>
        <source>Break-even system price: none, even a free system has a negative net present value</source>
        <translation>Precio del sistema en el punto de equilibrio: ninguno, incluso un sistema gratuito tiene un valor actual neto negativo</translation>
    </message>
    <message>
        <source>each year&apos;s savings, upkeep and tax spread over the year and discounted by 1 ÷ (1 + rate)^(t − ½), the residual value at the period&apos;s end by 1 ÷ (1 + rate)^t</source>
        <translation>el ahorro, el mantenimiento y los impuestos de cada año repartidos a lo largo del año y descontados por 1 ÷ (1 + tasa)^(t − ½), el valor residual al final del periodo por 1 ÷ (1 + tasa)^t</translation>
    </message>
    <message>
        <source>each year&apos;s net received at the year&apos;s end and discounted by 1 ÷ (1 + rate)^t</source>
        <translation>el flujo neto de cada año percibido al final del año y descontado por 1 ÷ (1 + tasa)^t</translation>
    </message>
    <message numerus="yes">
        <source>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start. Each year&apos;s net is that year&apos;s savings less its upkeep and tax, and in the last of the %1 year(s) evaluated plus the residual value after tax, as the cash-flow table shows. Simple payback is the months until the cumulative net reaches zero, in proportion within the year that reaches it, and beyond the period at the last year&apos;s pace without its depreciation&apos;s tax credit. Return on investment = (Σ savings − Σ upkeep − Σ tax + residual value after tax − investment) ÷ investment. Net present value = −investment + Σ of the nets at a discount rate of %2, %3. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</source>
        <translation>
            <numerusform>Cómo se calculan los indicadores. La inversión es el precio del sistema más su instalación, que se paga al principio. El flujo neto de cada año es su ahorro menos su mantenimiento e impuestos y, en el último año del periodo evaluado de %1 año, más el valor residual después de impuestos, como muestra la tabla de flujos de caja. El plazo de recuperación simple son los meses hasta que el flujo neto acumulado llega a cero, en proporción dentro del año en que lo alcanza, y más allá del periodo al ritmo del último año sin el ahorro fiscal de su amortización. Retorno de la inversión = (Σ ahorro − Σ mantenimiento − Σ impuestos + valor residual después de impuestos − inversión) ÷ inversión. Valor actual neto = −inversión + Σ de los flujos netos con una tasa de descuento del %2, %3. La tasa interna de rentabilidad es la tasa con la que el valor actual neto es cero. El plazo de recuperación descontado es el tiempo que tardan los flujos netos descontados en cubrir la inversión. El escenario conservador reduce a la mitad cada reducción supuesta; el optimista lleva cada reducción a mitad de camino hacia el 100 %.</numerusform>
            <numerusform>Cómo se calculan los indicadores. La inversión es el precio del sistema más su instalación, que se paga al principio. El flujo neto de cada año es su ahorro menos su mantenimiento e impuestos y, en el último de los %1 años evaluados, más el valor residual después de impuestos, como muestra la tabla de flujos de caja. El plazo de recuperación simple son los meses hasta que el flujo neto acumulado llega a cero, en proporción dentro del año en que lo alcanza, y más allá del periodo al ritmo del último año sin el ahorro fiscal de su amortización. Retorno de la inversión = (Σ ahorro − Σ mantenimiento − Σ impuestos + valor residual después de impuestos − inversión) ÷ inversión. Valor actual neto = −inversión + Σ de los flujos netos con una tasa de descuento del %2, %3. La tasa interna de rentabilidad es la tasa con la que el valor actual neto es cero. El plazo de recuperación descontado es el tiempo que tardan los flujos netos descontados en cubrir la inversión. El escenario conservador reduce a la mitad cada reducción supuesta; el optimista lleva cada reducción a mitad de camino hacia el 100 %.</numerusform>
        </translation>
    </message>
    <message>
        <source>The case needs %1 of the assumed reductions to break even, which no plant reaches: the largest reduction would be %2.</source>
        <translation>El caso necesita el %1 de las reducciones supuestas para llegar al punto de equilibrio, algo que ninguna planta alcanza: la mayor reducción sería del %2.</translation>
    </message>
    <message>
        <source>No break-even reduction or failure count: the savings do not change the net present value.</source>
        <translation>No hay reducción ni número de fallos de equilibrio: el ahorro no cambia el valor actual neto.</translation>
    </message>
    <message>
        <source>Simple payback: never, the annual nets after upkeep do not recover the outlay</source>
        <translation>Plazo de recuperación simple: nunca, los flujos netos anuales tras el mantenimiento no cubren la inversión</translation>
    </message>
    <message>
        <source>Discounted payback: never, the annual nets after upkeep do not recover the outlay</source>
        <translation>Plazo de recuperación descontado: nunca, los flujos netos anuales tras el mantenimiento no cubren la inversión</translation>
    </message>
    <message>
        <source>On hard savings alone (%1 in year 1): net present value %2, internal rate of return %3, simple payback %4</source>
        <translation>Solo con ahorros tangibles (%1 en el año 1): valor actual neto %2, tasa interna de rentabilidad %3, plazo de recuperación simple %4</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: the internal rate of return of %2 meets it; the net present value at %1 is %3.</source>
        <translation>Frente a la tasa mínima de rentabilidad del %1: la tasa interna de rentabilidad del %2 la alcanza; el valor actual neto al %1 es %3.</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: the internal rate of return of %2 falls short of it; the net present value at %1 is %3.</source>
        <translation>Frente a la tasa mínima de rentabilidad del %1: la tasa interna de rentabilidad del %2 no la alcanza; el valor actual neto al %1 es %3.</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: no single rate of return, but the net present value at %1 is %2, so the case meets it.</source>
        <translation>Frente a la tasa mínima de rentabilidad del %1: no hay una única tasa de retorno, pero el valor actual neto al %1 es %2, así que la inversión la alcanza.</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: no single rate of return, and the net present value at %1 is %2, so the case falls short of it.</source>
        <translation>Frente a la tasa mínima de rentabilidad del %1: no hay una única tasa de retorno, y el valor actual neto al %1 es %2, así que la inversión no la alcanza.</translation>
    </message>
    <message>
        <source>Initial investment (price, installation and %1 contingency): %2</source>
        <translation>Inversión inicial (precio, instalación y %1 de contingencia): %2</translation>
    </message>
    <message>
        <source>Estimate accuracy %1 / +%2: an outlay of %3 to %4</source>
        <translation>Precisión de la estimación %1 / +%2: una inversión inicial de %3 a %4</translation>
    </message>
    <message>
        <source>The investment includes a contingency of %1 on the price and installation.</source>
        <translation>La inversión incluye una contingencia del %1 sobre el precio y la instalación.</translation>
    </message>
    <message>
        <source>Initial outlay, with the one-off items at the start: %1</source>
        <translation>Inversión inicial, con las partidas puntuales del inicio: %1</translation>
    </message>
    <message>
        <source>Internal rate of return: none, the cash flows change sign more than once</source>
        <translation>Tasa interna de rentabilidad (TIR): ninguna, los flujos de caja cambian de signo más de una vez</translation>
    </message>
    <message>
        <source>Net present value at other rates: %1</source>
        <translation>El VAN a otras tasas: %1</translation>
    </message>
</context>
<context>
    <name>BusinessCaseWindow</name>
    <message>
        <source>Business Case</source>
        <translation>Análisis de rentabilidad</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Indicadores</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>Escenarios</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Escenario</translation>
    </message>
    <message>
        <source>Reductions</source>
        <translation>Reducciones</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Ahorro anual</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Recuperación</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valor actual neto</translation>
    </message>
    <message>
        <source>Step of the sensitivity (±%):</source>
        <translation>Paso del análisis de sensibilidad (±%):</translation>
    </message>
    <message>
        <source>Enter the installed system price to see the payback, the return on investment, the net present value and the internal rate of return.</source>
        <translation>Introduzca el precio del sistema instalado para ver el plazo de recuperación, el retorno de la inversión, el valor actual neto y la tasa interna de rentabilidad.</translation>
    </message>
    <message>
        <source>Capital</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Labor rates&apos; escalation (% a year):</source>
        <translation>Incremento de las tarifas horarias (% anual):</translation>
    </message>
    <message>
        <source>Lubricant price&apos;s escalation (% a year):</source>
        <translation>Incremento del precio del lubricante (% anual):</translation>
    </message>
    <message>
        <source>Bearing price&apos;s escalation (% a year):</source>
        <translation>Incremento del precio del rodamiento (% anual):</translation>
    </message>
    <message>
        <source>Production value&apos;s escalation (% a year):</source>
        <translation>Incremento del valor de la producción (% anual):</translation>
    </message>
    <message>
        <source>Upkeep&apos;s escalation (% a year):</source>
        <translation>Incremento del mantenimiento (% anual):</translation>
    </message>
    <message>
        <source>Income tax rate (%):</source>
        <translation>Tipo impositivo (%):</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Straight-line</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Declining balance</source>
        <translation>Decreciente</translation>
    </message>
    <message>
        <source>Depreciation:</source>
        <translation>Amortización:</translation>
    </message>
    <message>
        <source>Depreciation period (years):</source>
        <translation>Periodo de amortización (años):</translation>
    </message>
    <message>
        <source>Declining-balance rate (%):</source>
        <translation>Tasa de amortización decreciente (%):</translation>
    </message>
    <message>
        <source>Residual value ($):</source>
        <translation>Valor residual ($):</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>First year&apos;s share of the savings (%):</source>
        <translation>Proporción del ahorro en el primer año (%):</translation>
    </message>
    <message>
        <source>At each year&apos;s end</source>
        <translation>Al final de cada año</translation>
    </message>
    <message>
        <source>Spread over the year</source>
        <translation>Repartidos durante el año</translation>
    </message>
    <message>
        <source>Annual flows fall:</source>
        <translation>Momento de los flujos anuales:</translation>
    </message>
    <message>
        <source>Cash flow</source>
        <translation>Flujo de caja</translation>
    </message>
    <message>
        <source>Discounted</source>
        <translation>Descontado</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Sensitivity of:</source>
        <translation>Sensibilidad de:</translation>
    </message>
    <message>
        <source>Net present value (spider)</source>
        <translation>VAN (gráfico de araña)</translation>
    </message>
    <message>
        <source>Risk Ranges…</source>
        <translation>Rangos de riesgo…</translation>
    </message>
    <message>
        <source>Apply Measured Reduction</source>
        <translation>Aplicar la reducción medida</translation>
    </message>
    <message>
        <source>The failures rose after the installation: the records measure no reduction to apply.</source>
        <translation>Las averías aumentaron tras la instalación: los registros no miden ninguna reducción que aplicar.</translation>
    </message>
    <message>
        <source>The replacement bearings, their labor and the lost production are reduced by the measured %1 already.</source>
        <translation>Los rodamientos de reposición, su mano de obra y la producción perdida ya están reducidos en el %1 medido.</translation>
    </message>
    <message>
        <source>Reduces the replacement bearings, their labor and the lost production by the measured %1.</source>
        <translation>Reduce los rodamientos de reposición, su mano de obra y la producción perdida en el %1 medido.</translation>
    </message>
    <message>
        <source>Contingency on price and installation (%):</source>
        <translation>Contingencia sobre precio e instalación (%):</translation>
    </message>
    <message>
        <source>Estimate accuracy, below (%):</source>
        <translation>Precisión de la estimación, por debajo (%):</translation>
    </message>
    <message>
        <source>Estimate accuracy, above (%):</source>
        <translation>Precisión de la estimación, por encima (%):</translation>
    </message>
    <message>
        <source>Company&apos;s hurdle rate (%):</source>
        <translation>Tasa mínima de rentabilidad de la empresa (%):</translation>
    </message>
    <message>
        <source>Other Savings and One-off Items…</source>
        <translation>Otros ahorros y partidas puntuales…</translation>
    </message>
    <message>
        <source>Alternatives…</source>
        <translation>Alternativas…</translation>
    </message>
    <message>
        <source>Alternatives</source>
        <translation>Alternativas</translation>
    </message>
    <message>
        <source>The case weighs one option against doing nothing.</source>
        <translation>El análisis compara una sola alternativa con no hacer nada.</translation>
    </message>
</context>
<context>
    <name>CapitalText</name>
    <message>
        <source>Annual escalation from year 2: labor rates %1, lubricant %2, bearings %3, production value %4, upkeep %5.</source>
        <translation>Incremento anual a partir del año 2: tarifas horarias %1, lubricante %2, rodamientos %3, valor de la producción %4, mantenimiento %5.</translation>
    </message>
    <message>
        <source>Income tax at %1 on the savings less the upkeep and the depreciation; a year&apos;s loss is credited against the plant&apos;s other profits.</source>
        <translation>Impuesto del %1 sobre el ahorro menos el mantenimiento y la amortización; la pérdida de un año se compensa con los demás beneficios de la planta.</translation>
    </message>
    <message numerus="yes">
        <source>The investment is depreciated straight-line over %n year(s).</source>
        <translation>
            <numerusform>La inversión se amortiza linealmente en %n año.</numerusform>
            <numerusform>La inversión se amortiza linealmente en %n años.</numerusform>
        </translation>
    </message>
    <message>
        <source>Before income tax, at today&apos;s prices every year, with the annual flows at each year&apos;s end.</source>
        <translation>Antes de impuestos, a precios actuales cada año, con los flujos anuales al final de cada año.</translation>
    </message>
    <message>
        <source>No escalation: every year at today&apos;s prices.</source>
        <translation>Sin incrementos: cada año a precios actuales.</translation>
    </message>
    <message>
        <source>Before income tax.</source>
        <translation>Antes de impuestos.</translation>
    </message>
    <message>
        <source>The annual flows are spread over each year and discounted from its middle; the outlay falls at the start, the residual value at the end.</source>
        <translation>Los flujos anuales se reparten durante el año y se descuentan desde su mitad; la inversión se produce al inicio y el valor residual al final.</translation>
    </message>
    <message>
        <source>The annual flows fall at each year&apos;s end.</source>
        <translation>Los flujos anuales se producen al final de cada año.</translation>
    </message>
    <message>
        <source>A residual value of %1 at the end of year %2, taxed on its gain over the book value.</source>
        <translation>Un valor residual de %1 al final del año %2, que tributa por su ganancia sobre el valor contable.</translation>
    </message>
    <message>
        <source>A residual value of %1 at the end of year %2.</source>
        <translation>Un valor residual de %1 al final del año %2.</translation>
    </message>
    <message>
        <source>Year 1 reaches %1 of the annual savings while the system is brought in.</source>
        <translation>El año 1 alcanza el %1 del ahorro anual mientras se implanta el sistema.</translation>
    </message>
    <message>
        <source>The investment is not depreciated during the period and is written off at its end, the tax credit on it shown with the residual value.</source>
        <translation>La inversión no se amortiza durante el periodo y se da de baja al final; el ahorro fiscal correspondiente figura con el valor residual.</translation>
    </message>
    <message>
        <source>The investment is depreciated by declining balance at %1 of its book value a year; what is left is written off at the period&apos;s end, the tax credit on it shown with the residual value.</source>
        <translation>La inversión se amortiza por saldo decreciente al %1 de su valor contable al año; lo que queda se da de baja al final del periodo y el ahorro fiscal correspondiente figura con el valor residual.</translation>
    </message>
    <message>
        <source>The estimate may be %1 below or %2 above; the measures are computed on the estimate itself.</source>
        <translation>La estimación puede quedar un %1 por debajo o un %2 por encima; los indicadores se calculan sobre la propia estimación.</translation>
    </message>
    <message>
        <source>The company&apos;s hurdle rate is %1. The discount rate of %2 is the plant&apos;s own choice: any premium for the project&apos;s risk is in it as chosen, not added here.</source>
        <translation>La tasa mínima de rentabilidad de la empresa es del %1. La tasa de descuento del %2 es elección de la planta: cualquier prima por el riesgo del proyecto está incluida en ella tal como se eligió, sin añadir nada aquí.</translation>
    </message>
    <message>
        <source>A further saving</source>
        <translation>Otro ahorro</translation>
    </message>
    <message>
        <source>%1: %2 a year, escalating %3 a year, cash.</source>
        <translation>%1: %2 al año, con un incremento del %3 anual, en efectivo.</translation>
    </message>
    <message>
        <source>%1: %2 a year, escalating %3 a year, not cash.</source>
        <translation>%1: %2 al año, con un incremento del %3 anual, no en efectivo.</translation>
    </message>
    <message>
        <source>%1: %2 a year, cash.</source>
        <translation>%1: %2 al año, en efectivo.</translation>
    </message>
    <message>
        <source>%1: %2 a year, not cash.</source>
        <translation>%1: %2 al año, no en efectivo.</translation>
    </message>
    <message>
        <source>A one-off item</source>
        <translation>Una partida puntual</translation>
    </message>
    <message>
        <source>%1: %2 in year %3 and every %4 years after, with the upkeep.</source>
        <translation>%1: %2 en el año %3 y después cada %4 años, con el mantenimiento.</translation>
    </message>
    <message>
        <source>%1: %2 at the start, in the outlay.</source>
        <translation>%1: %2 al inicio, en la inversión inicial.</translation>
    </message>
    <message>
        <source>%1: %2 in year %3, with the upkeep.</source>
        <translation>%1: %2 en el año %3, con el mantenimiento.</translation>
    </message>
    <message>
        <source>The cost rows and the upkeep at today&apos;s prices every year.</source>
        <translation>Las filas de coste y el mantenimiento cada año a precios actuales.</translation>
    </message>
    <message>
        <source>A contingency of %1 on the price and installation raises them to %2.</source>
        <translation>Una contingencia del %1 sobre el precio y la instalación los eleva a %2.</translation>
    </message>
</context>
<context>
    <name>CaseItemsDialog</name>
    <message>
        <source>Add Row</source>
        <translation>Añadir fila</translation>
    </message>
    <message>
        <source>Remove Row</source>
        <translation>Quitar fila</translation>
    </message>
    <message>
        <source>Other Savings and One-off Items</source>
        <translation>Otros ahorros y partidas puntuales</translation>
    </message>
    <message>
        <source>Amount ($)</source>
        <translation>Importe ($)</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Amount a year ($)</source>
        <translation>Importe al año ($)</translation>
    </message>
    <message>
        <source>Escalation (% a year)</source>
        <translation>Incremento (% anual)</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>En efectivo</translation>
    </message>
    <message>
        <source>Annual savings beyond the cost rows, such as work orders no longer raised for routine greasing or waste grease disposal; cash where the plant stops paying them:</source>
        <translation>Ahorros anuales más allá de las filas de coste, como órdenes de trabajo de engrase rutinario que ya no se emiten o la eliminación de grasa usada; en efectivo cuando la planta deja de pagarlos:</translation>
    </message>
    <message>
        <source>Year (0: at the start)</source>
        <translation>Año (0: al inicio)</translation>
    </message>
    <message>
        <source>Every (years; empty: once)</source>
        <translation>Cada (años; vacío: una vez)</translation>
    </message>
    <message>
        <source>One-off items: an outlay in a given year, such as a pump replaced every few years; below zero money received, such as a rebate or grant at the start:</source>
        <translation>Partidas puntuales: un gasto en un año dado, como una bomba sustituida cada pocos años; por debajo de cero, dinero recibido, como una bonificación o subvención al inicio:</translation>
    </message>
    <message>
        <source>The annual saving in row %1 has no amount a year that reads.</source>
        <translation>El ahorro anual de la fila %1 no tiene un importe anual legible.</translation>
    </message>
    <message>
        <source>The escalation of the annual saving in row %1 is not a percentage from %2 to %3.</source>
        <translation>El incremento del ahorro anual de la fila %1 no es un porcentaje de %2 a %3.</translation>
    </message>
    <message>
        <source>The one-off item in row %1 has no amount that reads.</source>
        <translation>La partida puntual de la fila %1 no tiene un importe legible.</translation>
    </message>
    <message>
        <source>The year of the one-off item in row %1 is not a whole year from 0 to %2.</source>
        <translation>El año de la partida puntual de la fila %1 no es un año entero de 0 a %2.</translation>
    </message>
    <message>
        <source>The one-off item in row %1 recurs every 1 to %2 whole years or, left empty, falls once.</source>
        <translation>La partida puntual de la fila %1 se repite cada 1 a %2 años enteros o, si se deja vacía, se produce una vez.</translation>
    </message>
</context>
<context>
    <name>CashFlowText</name>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorro</translation>
    </message>
    <message>
        <source>Upkeep</source>
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Amortización</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Impuesto</translation>
    </message>
    <message>
        <source>Residual value after tax</source>
        <translation>Valor residual después de impuestos</translation>
    </message>
    <message>
        <source>Net cash flow</source>
        <translation>Flujo de caja neto</translation>
    </message>
    <message>
        <source>Discounted</source>
        <translation>Descontado</translation>
    </message>
    <message>
        <source>Cumulative</source>
        <translation>Acumulado</translation>
    </message>
    <message>
        <source>Cumulative discounted</source>
        <translation>Acumulado descontado</translation>
    </message>
    <message>
        <source>Residual value and write-off after tax</source>
        <translation>Valor residual y baja después de impuestos</translation>
    </message>
</context>
<context>
    <name>ChartControl</name>
    <message>
        <source>Lubrication Labor</source>
        <translation>Mano de obra de lubricación</translation>
    </message>
    <message>
        <source>Lubricant Cost</source>
        <translation>Coste del lubricante</translation>
    </message>
    <message>
        <source>Bearing Cost</source>
        <translation>Coste de rodamientos</translation>
    </message>
    <message>
        <source>Replacement Labor</source>
        <translation>Sustitución de rodamientos</translation>
    </message>
    <message>
        <source>Lost Production</source>
        <translation>Producción perdida</translation>
    </message>
    <message>
        <source>CURRENT COST</source>
        <translation>COSTE ACTUAL</translation>
    </message>
    <message>
        <source>VELMOR COST</source>
        <translation>COSTE VELMOR</translation>
    </message>
    <message>
        <source>SAVINGS</source>
        <translation>AHORRO</translation>
    </message>
    <message>
        <source>current cost</source>
        <translation>coste actual</translation>
    </message>
    <message>
        <source>Velmor cost</source>
        <translation>coste Velmor</translation>
    </message>
    <message>
        <source>savings</source>
        <translation>ahorro</translation>
    </message>
    <message>
        <source>ESTIMATED ANNUAL SAVINGS IN DOLLARS</source>
        <translation>AHORRO ANUAL ESTIMADO EN DÓLARES</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ESTIMATED ANNUAL SAVINGS IN %1</source>
        <translation>AHORRO ANUAL ESTIMADO EN %1</translation>
    </message>
</context>
<context>
    <name>ClipboardText</name>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>none</source>
        <translation>no hay</translation>
    </message>
    <message>
        <source>Business case</source>
        <translation>Análisis de rentabilidad</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Initial investment</source>
        <translation>Inversión inicial</translation>
    </message>
    <message>
        <source>Simple payback (months)</source>
        <translation>Plazo de recuperación simple (meses)</translation>
    </message>
    <message numerus="yes">
        <source>Return on investment over %n year(s)</source>
        <translation>
            <numerusform>Retorno de la inversión a %n año</numerusform>
            <numerusform>Retorno de la inversión a %n años</numerusform>
        </translation>
    </message>
    <message>
        <source>Net present value at %1%</source>
        <translation>Valor actual neto al %1&#xa0;%</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>Tasa interna de rentabilidad</translation>
    </message>
    <message numerus="yes">
        <source>not within %n year(s)</source>
        <translation>
            <numerusform>no se alcanza en %n año</numerusform>
            <numerusform>no se alcanza en %n años</numerusform>
        </translation>
    </message>
    <message>
        <source>Discounted payback (years)</source>
        <translation>Plazo de recuperación descontado (años)</translation>
    </message>
    <message>
        <source>Annualised return on investment</source>
        <translation>Retorno de la inversión anualizado</translation>
    </message>
    <message>
        <source>Profitability index</source>
        <translation>Índice de rentabilidad</translation>
    </message>
    <message>
        <source>Break-even system price</source>
        <translation>Precio del sistema en el punto de equilibrio</translation>
    </message>
    <message>
        <source>Break-even share of the assumed reductions</source>
        <translation>Proporción de las reducciones supuestas en el punto de equilibrio</translation>
    </message>
    <message>
        <source>Break-even bearing failures a year</source>
        <translation>Averías de rodamientos al año en el punto de equilibrio</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Hard savings in year 1</source>
        <translation>Ahorros tangibles en el año 1</translation>
    </message>
    <message>
        <source>Net present value on hard savings alone</source>
        <translation>Valor actual neto solo con ahorros tangibles</translation>
    </message>
    <message>
        <source>Internal rate of return on hard savings alone</source>
        <translation>Tasa interna de rentabilidad solo con ahorros tangibles</translation>
    </message>
    <message>
        <source>Simple payback on hard savings alone (months)</source>
        <translation>Plazo de recuperación simple solo con ahorros tangibles (meses)</translation>
    </message>
    <message>
        <source>Contingency in it</source>
        <translation>Contingencia incluida</translation>
    </message>
    <message>
        <source>Hurdle rate</source>
        <translation>Tasa mínima de rentabilidad</translation>
    </message>
    <message>
        <source>Net present value at the hurdle rate</source>
        <translation>Valor actual neto a la tasa mínima de rentabilidad</translation>
    </message>
    <message>
        <source>Meets the hurdle rate</source>
        <translation>Alcanza la tasa mínima de rentabilidad</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>CostRows</name>
    <message>
        <source>The Velmor cost assumes that automatic lubrication cuts %1 and %2.</source>
        <translation>El coste con Velmor supone que la lubricación automática reduce %1 y %2.</translation>
    </message>
    <message>
        <source>Manual Labor to Lubricate</source>
        <translation>Mano de obra de lubricación</translation>
    </message>
    <message>
        <source>Labor to lubricate (%1% reduction)</source>
        <translation>Mano de obra lubricación (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>the lubrication labor</source>
        <translation>la mano de obra de lubricación</translation>
    </message>
    <message>
        <source>Grease used for manual lubrication</source>
        <translation>Consumo de lubricante</translation>
    </message>
    <message>
        <source>Grease consumption (%1% reduction)</source>
        <translation>Consumo de lubricante (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>the lubricant</source>
        <translation>el lubricante</translation>
    </message>
    <message>
        <source>New replacement bearings</source>
        <translation>Rodamientos de repuesto</translation>
    </message>
    <message>
        <source>New replacement bearings (%1% reduction)</source>
        <translation>Rodamientos de repuesto (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>the replacement bearings</source>
        <translation>los rodamientos de repuesto</translation>
    </message>
    <message>
        <source>Labor to replace failed bearings</source>
        <translation>Sustitución de rodamientos</translation>
    </message>
    <message>
        <source>Bearing replacement labor (%1% reduction)</source>
        <translation>Sustitución de rodamientos (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>the replacement labor</source>
        <translation>la mano de obra de sustitución de rodamientos</translation>
    </message>
    <message>
        <source>Lost Production</source>
        <translation>Producción perdida</translation>
    </message>
    <message>
        <source>Lost Production (%1% reduction)</source>
        <translation>Producción perdida (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>the lost production</source>
        <translation>la producción perdida</translation>
    </message>
    <message>
        <source>Total anual cost of manual lubrication</source>
        <translation>Coste anual total de lubricación manual</translation>
    </message>
    <message>
        <source>Total annual cost using Velmor automatic lubrication</source>
        <translation>Coste anual total con lubricación automática Velmor</translation>
    </message>
    <message>
        <source>Total annual savings over manual lubrication costs</source>
        <translation>Ahorro anual total frente a la lubricación manual</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 en un %2</translation>
    </message>
</context>
<context>
    <name>CsvText</name>
    <message>
        <source>It is larger than %1 MB.</source>
        <translation>Ocupa más de %1 MB.</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <translation>No es un archivo de texto.</translation>
    </message>
    <message>
        <source>A quoted field that begins on line %1 is never closed.</source>
        <translation>Un campo entre comillas que empieza en la línea %1 no se cierra nunca.</translation>
    </message>
    <message>
        <source>It holds no header and no rows.</source>
        <translation>No contiene ni encabezado ni filas.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields where the header has %3.</source>
        <translation>La línea %1 tiene %2 campos y el encabezado %3.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields; a table is read with at most %3.</source>
        <translation>La línea %1 tiene %2 campos; una tabla se lee con %3 como máximo.</translation>
    </message>
    <message>
        <source>No line holds a header of two column names or more.</source>
        <translation>Ninguna línea contiene un encabezado con dos o más nombres de columna.</translation>
    </message>
</context>
<context>
    <name>CurrencyUnits</name>
    <message>
        <source>A currency symbol has at most %1 characters.</source>
        <translation>Un símbolo de moneda tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>A currency symbol cannot hold digits, signs, the marks of a figure (. , &apos; %), quotes or invisible characters.</source>
        <translation>Un símbolo de moneda no puede contener cifras, signos, las marcas de un número (. , &apos; %), comillas ni caracteres invisibles.</translation>
    </message>
</context>
<context>
    <name>CurrencyUnitsDialog</name>
    <message>
        <source>Currency and Units</source>
        <translation>Moneda y unidades</translation>
    </message>
    <message>
        <source>Every money figure is typed and shown in this currency; figures are not converted between currencies.</source>
        <translation>Todos los importes se introducen y se muestran en esta moneda; las cifras no se convierten de una moneda a otra.</translation>
    </message>
    <message>
        <source>Currency symbol:</source>
        <translation>Símbolo de moneda:</translation>
    </message>
    <message>
        <source>A figure shows as:</source>
        <translation>Un importe se muestra así:</translation>
    </message>
    <message>
        <source>Imperial (lb)</source>
        <translation>Imperial (lb)</translation>
    </message>
    <message>
        <source>Metric (kg)</source>
        <translation>Métrico (kg)</translation>
    </message>
    <message>
        <source>Lubricant weighed in:</source>
        <translation>Peso del lubricante en:</translation>
    </message>
    <message>
        <source>Lubricant quantity and price will be converted to kilograms; the results stay the same.</source>
        <translation>La cantidad y el precio del lubricante se convertirán a kilogramos; los resultados no cambian.</translation>
    </message>
    <message>
        <source>Lubricant quantity and price will be converted to pounds; the results stay the same.</source>
        <translation>La cantidad y el precio del lubricante se convertirán a libras; los resultados no cambian.</translation>
    </message>
    <message>
        <source>The lubricant %1 will be converted to kilograms; the %2 holds no number and stays as typed.</source>
        <translation>Se convertirá a kilogramos %1 del lubricante; %2 no contiene ningún número y queda tal como se escribió.</translation>
    </message>
    <message>
        <source>The lubricant %1 will be converted to pounds; the %2 holds no number and stays as typed.</source>
        <translation>Se convertirá a libras %1 del lubricante; %2 no contiene ningún número y queda tal como se escribió.</translation>
    </message>
    <message>
        <source>quantity</source>
        <translation>la cantidad</translation>
    </message>
    <message>
        <source>price</source>
        <translation>el precio</translation>
    </message>
    <message>
        <source>The lubricant quantity and price hold no numbers and stay as typed.</source>
        <translation>La cantidad y el precio del lubricante no contienen números y quedan tal como se escribieron.</translation>
    </message>
</context>
<context>
    <name>DocumentHistory</name>
    <message>
        <source>Open %1</source>
        <translation>Apertura de %1</translation>
    </message>
    <message>
        <source>Typing in %1</source>
        <translation>Escritura en %1</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Maintenance Records</source>
        <translation>Registros de mantenimiento</translation>
    </message>
    <message>
        <source>Change of the Investment</source>
        <translation>Cambio de la inversión</translation>
    </message>
    <message>
        <source>Change of the Capital Inputs</source>
        <translation>Cambio de los datos de capital</translation>
    </message>
    <message>
        <source>Change of the Assumptions</source>
        <translation>Cambio de los supuestos</translation>
    </message>
    <message>
        <source>Change of the Currency and Units</source>
        <translation>Cambio de moneda y unidades</translation>
    </message>
    <message>
        <source>Change of the Report Details</source>
        <translation>Cambio de los datos del informe</translation>
    </message>
    <message>
        <source>Change of the Risk Ranges</source>
        <translation>Cambio de los rangos de riesgo</translation>
    </message>
    <message>
        <source>Change of the Figures</source>
        <translation>Cambio de los datos</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
</context>
<context>
    <name>FacilityFile</name>
    <message>
        <source>Could not open %1. %2</source>
        <translation>No se ha podido abrir %1. %2</translation>
    </message>
    <message>
        <source>Could not save %1. %2</source>
        <translation>No se ha podido guardar %1. %2</translation>
    </message>
    <message>
        <source>is not valid text</source>
        <translation>no es un texto válido</translation>
    </message>
    <message>
        <source>is longer than a field holds</source>
        <translation>es más largo de lo que admite un campo</translation>
    </message>
    <message>
        <source>The figures were typed in regional settings that are not known here (%1).</source>
        <translation>Los datos se escribieron con una configuración regional que aquí no se conoce (%1).</translation>
    </message>
    <message>
        <source>The figure for %1 %2.</source>
        <translation>La cifra de %1 %2.</translation>
    </message>
    <message>
        <source>The figure for %1 holds characters an input field cannot show.</source>
        <translation>La cifra de %1 contiene caracteres que un campo de entrada no puede mostrar.</translation>
    </message>
    <message>
        <source>The report detail %1 %2.</source>
        <translation>El dato del informe %1 %2.</translation>
    </message>
    <message>
        <source>The investment&apos;s %1 %2.</source>
        <translation>El dato de la inversión %1 %2.</translation>
    </message>
    <message>
        <source>An assumed reduction is not a percentage from 0 to 100 in tenths.</source>
        <translation>Una de las reducciones supuestas no es un porcentaje de 0 a 100 en décimas.</translation>
    </message>
    <message>
        <source>The figures are too long for a facility file, which holds at most 64 KiB.</source>
        <translation>Los datos son demasiado largos para un archivo de planta, que admite como máximo 64 KiB.</translation>
    </message>
    <message>
        <source>The file&apos;s %1 are not valid.</source>
        <translation>Los datos del archivo (%1) no son válidos.</translation>
    </message>
    <message>
        <source>The %1 %2 is not a text.</source>
        <translation>El dato %2 (%1) no es un texto.</translation>
    </message>
    <message>
        <source>The file is larger than 64 KiB, too large for a facility file.</source>
        <translation>El archivo ocupa más de 64 KiB, demasiado para un archivo de planta.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>El archivo no es texto UTF-8.</translation>
    </message>
    <message>
        <source>The file is not a facility file: it is not JSON (%1 at byte %2).</source>
        <translation>El archivo no es un archivo de planta: no es JSON (%1 en el byte %2).</translation>
    </message>
    <message>
        <source>The file holds the key %1 twice.</source>
        <translation>El archivo contiene dos veces la clave %1.</translation>
    </message>
    <message>
        <source>The file is not a facility file.</source>
        <translation>El archivo no es un archivo de planta.</translation>
    </message>
    <message>
        <source>The file has no valid version number.</source>
        <translation>El archivo no tiene un número de versión válido.</translation>
    </message>
    <message>
        <source>The file was saved by a newer version of this program.</source>
        <translation>El archivo se guardó con una versión más reciente de este programa.</translation>
    </message>
    <message>
        <source>The file does not say in which regional settings its figures were typed.</source>
        <translation>El archivo no indica con qué configuración regional se escribieron sus datos.</translation>
    </message>
    <message>
        <source>The file holds no figures.</source>
        <translation>El archivo no contiene datos.</translation>
    </message>
    <message>
        <source>one figure</source>
        <translation>una cifra</translation>
    </message>
    <message>
        <source>%1 figures</source>
        <translation>%1 datos</translation>
    </message>
    <message>
        <source>The file holds %1 instead of %2.</source>
        <translation>El archivo contiene %1 en lugar de %2.</translation>
    </message>
    <message>
        <source>The figure for %1 is not a text.</source>
        <translation>La cifra de %1 no es un texto.</translation>
    </message>
    <message>
        <source>The file&apos;s assumptions are not valid.</source>
        <translation>Los supuestos del archivo no son válidos.</translation>
    </message>
    <message>
        <source>The assumed reduction %1 is not a percentage from 0 to 100 in tenths.</source>
        <translation>La reducción supuesta %1 no es un porcentaje de 0 a 100 en décimas.</translation>
    </message>
    <message>
        <source>Could not open the figures. No file name was given.</source>
        <translation>No se han podido abrir los datos. No se ha indicado ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>No se ha podido leer el archivo: %1</translation>
    </message>
    <message>
        <source>Could not save the figures. No file name was given.</source>
        <translation>No se han podido guardar los datos. No se ha indicado ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>cliente</translation>
    </message>
    <message>
        <source>site</source>
        <translation>emplazamiento</translation>
    </message>
    <message>
        <source>prepared by</source>
        <translation>elaborado por</translation>
    </message>
    <message>
        <source>system price</source>
        <translation>precio del sistema</translation>
    </message>
    <message>
        <source>installation cost</source>
        <translation>coste de instalación</translation>
    </message>
    <message>
        <source>annual upkeep</source>
        <translation>mantenimiento anual</translation>
    </message>
    <message>
        <source>evaluation period</source>
        <translation>periodo de evaluación</translation>
    </message>
    <message>
        <source>discount rate</source>
        <translation>tasa de descuento</translation>
    </message>
    <message>
        <source>report details</source>
        <translation>datos del informe</translation>
    </message>
    <message>
        <source>report detail</source>
        <translation>dato del informe</translation>
    </message>
    <message>
        <source>investment details</source>
        <translation>datos de la inversión</translation>
    </message>
    <message>
        <source>investment detail</source>
        <translation>dato de la inversión</translation>
    </message>
    <message>
        <source>The currency symbol %1 is not valid. %2</source>
        <translation>El símbolo de moneda %1 no es válido. %2</translation>
    </message>
    <message>
        <source>The currency symbol %1 is not valid.</source>
        <translation>El símbolo de moneda %1 no es válido.</translation>
    </message>
    <message>
        <source>The file&apos;s currency and units are not valid.</source>
        <translation>La moneda y las unidades del archivo no son válidas.</translation>
    </message>
    <message>
        <source>The currency symbol is not a text.</source>
        <translation>El símbolo de moneda no es un texto.</translation>
    </message>
    <message>
        <source>The units are neither &quot;imperial&quot; nor &quot;metric&quot;.</source>
        <translation>Las unidades no son ni «imperial» ni «metric».</translation>
    </message>
    <message>
        <source>escalation of the labor rates</source>
        <translation>incremento de las tarifas horarias</translation>
    </message>
    <message>
        <source>escalation of the lubricant price</source>
        <translation>incremento del precio del lubricante</translation>
    </message>
    <message>
        <source>escalation of the bearing price</source>
        <translation>incremento del precio del rodamiento</translation>
    </message>
    <message>
        <source>escalation of the production value</source>
        <translation>incremento del valor de la producción</translation>
    </message>
    <message>
        <source>escalation of the upkeep</source>
        <translation>incremento del mantenimiento</translation>
    </message>
    <message>
        <source>income tax rate</source>
        <translation>tipo impositivo</translation>
    </message>
    <message>
        <source>depreciation period</source>
        <translation>periodo de amortización</translation>
    </message>
    <message>
        <source>declining-balance rate</source>
        <translation>tasa de amortización decreciente</translation>
    </message>
    <message>
        <source>residual value</source>
        <translation>valor residual</translation>
    </message>
    <message>
        <source>first-year share</source>
        <translation>proporción del primer año</translation>
    </message>
    <message>
        <source>capital inputs</source>
        <translation>datos de capital</translation>
    </message>
    <message>
        <source>capital input</source>
        <translation>dato de capital</translation>
    </message>
    <message>
        <source>The capital input %1 %2.</source>
        <translation>El dato de capital %1 %2.</translation>
    </message>
    <message>
        <source>The capital inputs&apos; choices are not valid.</source>
        <translation>Las opciones elegidas en los datos de capital no son válidas.</translation>
    </message>
    <message>
        <source>The depreciation is none of &quot;none&quot;, &quot;straightLine&quot; and &quot;decliningBalance&quot;.</source>
        <translation>La amortización no es ni «none» ni «straightLine» ni «decliningBalance».</translation>
    </message>
    <message>
        <source>The timing of the cash flows is neither &quot;yearEnd&quot; nor &quot;midYear&quot;.</source>
        <translation>El momento de los flujos de caja no es ni «yearEnd» ni «midYear».</translation>
    </message>
    <message>
        <source>The file&apos;s work-order records are not valid (%1).</source>
        <translation>Las órdenes de trabajo del archivo no son válidas (%1).</translation>
    </message>
    <message>
        <source>The file&apos;s risk ranges are not valid (%1).</source>
        <translation>Los rangos de riesgo del archivo no son válidos (%1).</translation>
    </message>
    <message>
        <source>The file&apos;s hard and soft savings are not valid (%1).</source>
        <translation>Los ahorros tangibles e intangibles del archivo no son válidos (%1).</translation>
    </message>
    <message>
        <source>The file&apos;s lost-production rule is not valid (%1).</source>
        <translation>La regla de producción perdida del archivo no es válida (%1).</translation>
    </message>
    <message>
        <source>contingency</source>
        <translation>contingencia</translation>
    </message>
    <message>
        <source>accuracy below the estimate</source>
        <translation>precisión por debajo de la estimación</translation>
    </message>
    <message>
        <source>accuracy above the estimate</source>
        <translation>precisión por encima de la estimación</translation>
    </message>
    <message>
        <source>hurdle rate</source>
        <translation>tasa mínima de rentabilidad</translation>
    </message>
    <message>
        <source>The file&apos;s options are not valid (%1).</source>
        <translation>Las alternativas del archivo no son válidas (%1).</translation>
    </message>
    <message>
        <source>The file holds more options than the case weighs.</source>
        <translation>El archivo contiene más alternativas de las que compara el análisis.</translation>
    </message>
    <message>
        <source>The option %1: %2</source>
        <translation>La alternativa %1: %2</translation>
    </message>
    <message>
        <source>The option&apos;s name %1.</source>
        <translation>El nombre de la alternativa %1.</translation>
    </message>
</context>
<context>
    <name>FigureCommands</name>
    <message>
        <source>Facility figures (*.velmor)</source>
        <translation>Cifras de la planta (*.velmor)</translation>
    </message>
    <message>
        <source>Open Figures…</source>
        <translation>Abrir datos…</translation>
    </message>
    <message>
        <source>Save Figures</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>Save Figures As…</source>
        <translation>Guardar datos como…</translation>
    </message>
    <message>
        <source>Report Details…</source>
        <translation>Datos del informe…</translation>
    </message>
    <message>
        <source>Assumptions…</source>
        <translation>Supuestos…</translation>
    </message>
    <message>
        <source>Business Case…</source>
        <translation>Análisis de rentabilidad…</translation>
    </message>
    <message>
        <source>Export Report as PDF…</source>
        <translation>Exportar informe como PDF…</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Imprimir informe…</translation>
    </message>
    <message>
        <source>Copy Results</source>
        <translation>Copiar resultados</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before closing?</source>
        <translation>¿Desea guardar los cambios de «%1» antes de cerrar?</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before opening other figures?</source>
        <translation>¿Desea guardar los cambios de «%1» antes de abrir otros datos?</translation>
    </message>
    <message>
        <source>Changes not saved are lost.</source>
        <translation>Los cambios que no se guarden se perderán.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>No se ha podido imprimir el informe.</translation>
    </message>
    <message>
        <source>Open Figures</source>
        <translation>Abrir datos</translation>
    </message>
    <message>
        <source>Facility figures.velmor</source>
        <translation>Cifras de la planta.velmor</translation>
    </message>
    <message>
        <source>Save Figures As</source>
        <translation>Guardar datos como</translation>
    </message>
    <message>
        <source>Lubrication Cost Savings Report.pdf</source>
        <translation>Informe de ahorro en costes de lubricación.pdf</translation>
    </message>
    <message>
        <source>%1 - Lubrication Cost Savings Report.pdf</source>
        <translation>%1 - Informe de ahorro en costes de lubricación.pdf</translation>
    </message>
    <message>
        <source>Export Report as PDF</source>
        <translation>Exportar informe como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimir informe</translation>
    </message>
    <message>
        <source>Currency and Units…</source>
        <translation>Moneda y unidades…</translation>
    </message>
    <message>
        <source>Export Workbook…</source>
        <translation>Exportar libro de cálculo…</translation>
    </message>
    <message>
        <source>Export Workbook</source>
        <translation>Exportar libro de cálculo</translation>
    </message>
    <message>
        <source>Lubrication Cost Savings.xlsx</source>
        <translation>Ahorro en costes de lubricación.xlsx</translation>
    </message>
    <message>
        <source>%1 - Lubrication Cost Savings.xlsx</source>
        <translation>%1 - Ahorro en costes de lubricación.xlsx</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Libros de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Work-order exports (*.csv *.txt *.xlsx)</source>
        <translation>Exportaciones de órdenes de trabajo (*.csv *.txt *.xlsx)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open Maintenance Records…</source>
        <translation>Abrir registros de mantenimiento…</translation>
    </message>
    <message>
        <source>Open Maintenance Records</source>
        <translation>Abrir registros de mantenimiento</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>No hay ninguna impresora instalada.</translation>
    </message>
    <message>
        <source>Export the report as a PDF document instead?</source>
        <translation>¿Exportar el informe como documento PDF en su lugar?</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>%1

The results cannot be computed from these figures. Please check the figures under &quot;Your Data&quot;.</source>
        <translation>%1

No se pueden calcular los resultados con estas cifras. Revise las cifras de la pestaña «Sus datos».</translation>
    </message>
    <message>
        <source>More Information</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Velmor logo</source>
        <translation>Logotipo de Velmor</translation>
    </message>
    <message>
        <source>Calculator icon</source>
        <translation>Icono de la calculadora</translation>
    </message>
    <message>
        <source>Velmor banner</source>
        <translation>Banner de Velmor</translation>
    </message>
    <message>
        <source>A lubrication pump and a bearing beside the Velmor logo</source>
        <translation>Una bomba de lubricación y un rodamiento junto al logotipo de Velmor</translation>
    </message>
    <message>
        <source>HALDMARK and Velmor banner</source>
        <translation>Banner de HALDMARK y Velmor</translation>
    </message>
    <message>
        <source>Lubrication equipment, the HALDMARK logo and the Velmor logo</source>
        <translation>Equipos de lubricación, el logotipo de HALDMARK y el logotipo de Velmor</translation>
    </message>
    <message>
        <source>Savings chart</source>
        <translation>Gráfico de ahorro</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Facility files, the customer report, copying the results and zoom</source>
        <translation>Archivos de planta, informe para el cliente, copia de resultados y zoom</translation>
    </message>
    <message>
        <source>Series Bar Graph</source>
        <translation>Barras por serie</translation>
    </message>
    <message>
        <source>Pie Chart</source>
        <translation>Gráfico circular</translation>
    </message>
    <message>
        <source>Line Graph</source>
        <translation>Gráfico de líneas</translation>
    </message>
    <message>
        <source>Area Graph</source>
        <translation>Gráfico de áreas</translation>
    </message>
    <message>
        <source>Step Graph</source>
        <translation>Gráfico escalonado</translation>
    </message>
    <message>
        <source>Stacked Bar Graph</source>
        <translation>Barras apiladas</translation>
    </message>
    <message>
        <source>Velmor Automatic Lubrication Systems</source>
        <translation>Sistemas de lubricación automática Velmor</translation>
    </message>
    <message>
        <source>About Velmor</source>
        <translation>Acerca de Velmor</translation>
    </message>
    <message>
        <source>Your Data</source>
        <translation>Sus datos</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>This calculator will provide you with an estimated cost comparison between your existing lubrication method and a VELMOR® Centralized Lubrication System by HALDMARK® Inc.</source>
        <translation>Esta calculadora le ofrece una comparación estimada de costes entre su método de lubricación actual y un sistema de lubricación centralizada VELMOR® de HALDMARK® Inc.</translation>
    </message>
    <message>
        <source>To calculate costs particular to your facility, enter the required data in the data fields found under the &quot;Your Data&quot; tab above.</source>
        <translation>Para calcular los costes propios de su planta, introduzca los datos necesarios en los campos de la pestaña «Sus datos».</translation>
    </message>
    <message>
        <source>Once your data are properly entered, you can review the effect of using a VELMOR Centralized Lubrication System under the &quot;Velmor Cost&quot; tab and the savings that can be realized under the &quot;Savings&quot; tab. A comparison of the results can be reviewed in graphical format under the &quot;Graph&quot; tab above.</source>
        <translation>Una vez introducidos sus datos, podrá ver el efecto de un sistema de lubricación centralizada VELMOR en la pestaña «Coste Velmor» y el ahorro que puede obtener en la pestaña «Ahorro». La pestaña «Gráfico» muestra una comparación gráfica de los resultados.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>About HALDMARK®</source>
        <translation>Acerca de HALDMARK®</translation>
    </message>
    <message>
        <source>Software Design</source>
        <translation>Diseño del software</translation>
    </message>
    <message>
        <source>HALDMARK banner</source>
        <translation>Banner de HALDMARK</translation>
    </message>
    <message>
        <source>Corvane Software logo</source>
        <translation>Logotipo de Corvane Software</translation>
    </message>
    <message>
        <source>Calculator icon</source>
        <translation>Icono de la calculadora</translation>
    </message>
    <message>
        <source>Phone: </source>
        <translation>Tel.: </translation>
    </message>
    <message>
        <source>Fax: </source>
        <translation>Fax: </translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>Correo: </translation>
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
        <translation>Las cifras</translation>
    </message>
    <message>
        <source>Keeping, printing and sharing the figures</source>
        <translation>Guardar, imprimir y compartir las cifras</translation>
    </message>
    <message>
        <source>How the figures are computed</source>
        <translation>Cómo se calculan las cifras</translation>
    </message>
    <message>
        <source>The business case</source>
        <translation>El análisis de rentabilidad</translation>
    </message>
    <message>
        <source>Maintenance records and the risk range</source>
        <translation>Registros de mantenimiento y rango de riesgo</translation>
    </message>
    <message>
        <source>Glossary of the translations</source>
        <translation>Glosario de las traducciones</translation>
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
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>Inputs</name>
    <message>
        <source>FACILITY PARTICULARS</source>
        <translation>DATOS DE LA PLANTA</translation>
    </message>
    <message>
        <source>Number of bearings in facility</source>
        <translation>Rodamientos en la planta</translation>
    </message>
    <message>
        <source> total</source>
        <translation> en total</translation>
    </message>
    <message>
        <source>bearings installed in the facility</source>
        <translation>rodamientos instalados en la planta</translation>
    </message>
    <message>
        <source>Number of bearing failures</source>
        <translation>Averías de rodamientos</translation>
    </message>
    <message>
        <source> per year</source>
        <translation> al año</translation>
    </message>
    <message>
        <source>bearings that fail per year</source>
        <translation>rodamientos que se averían al año</translation>
    </message>
    <message>
        <source>Number of lubrication points</source>
        <translation>Puntos de lubricación</translation>
    </message>
    <message>
        <source>points lubricated by hand</source>
        <translation>puntos que se lubrican a mano</translation>
    </message>
    <message>
        <source>Lubrication frequency</source>
        <translation>Frecuencia de lubricación</translation>
    </message>
    <message>
        <source> per month</source>
        <translation> al mes</translation>
    </message>
    <message>
        <source>times each point is lubricated per month</source>
        <translation>veces que se lubrica cada punto al mes</translation>
    </message>
    <message>
        <source>Lubricant quantity</source>
        <translation>Cantidad de lubricante</translation>
    </message>
    <message>
        <source> lbs/year</source>
        <translation> lb/año</translation>
    </message>
    <message>
        <source>pounds of lubricant used per year</source>
        <translation>libras de lubricante consumidas al año</translation>
    </message>
    <message>
        <source>Hourly production rate</source>
        <translation>Valor de producción por hora</translation>
    </message>
    <message>
        <source> $/hour</source>
        <translation> $/h</translation>
    </message>
    <message>
        <source>value of production lost per hour of stoppage</source>
        <translation>valor de la producción perdida por hora de parada</translation>
    </message>
    <message>
        <source>MATERIAL COST (Average)</source>
        <translation>COSTE DE MATERIAL (Media)</translation>
    </message>
    <message>
        <source>Cost of Lubricant</source>
        <translation>Coste del lubricante</translation>
    </message>
    <message>
        <source> $/lb.</source>
        <translation> $/lb</translation>
    </message>
    <message>
        <source>price of lubricant per pound</source>
        <translation>precio del lubricante por libra</translation>
    </message>
    <message>
        <source>Cost of Replacement Bearing</source>
        <translation>Rodamiento de repuesto</translation>
    </message>
    <message>
        <source> $/each</source>
        <translation> $/ud.</translation>
    </message>
    <message>
        <source>price of one replacement bearing</source>
        <translation>precio de un rodamiento de repuesto</translation>
    </message>
    <message>
        <source>LABOR COST (Average)</source>
        <translation>COSTE DE MANO DE OBRA (Media)</translation>
    </message>
    <message>
        <source>Lubrication </source>
        <translation>Lubricación </translation>
    </message>
    <message>
        <source>hourly labor rate for lubricating</source>
        <translation>tarifa horaria de mano de obra para lubricar</translation>
    </message>
    <message>
        <source>Bearing Replacement</source>
        <translation>Sustitución de rodamientos</translation>
    </message>
    <message>
        <source>hourly labor rate for replacing bearings</source>
        <translation>tarifa horaria de mano de obra para sustituir rodamientos</translation>
    </message>
    <message>
        <source>TIME (Average)</source>
        <translation>TIEMPO (Media)</translation>
    </message>
    <message>
        <source>Lubricate a single point</source>
        <translation>Lubricar un punto</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutos</translation>
    </message>
    <message>
        <source>minutes to lubricate one point once</source>
        <translation>minutos para lubricar un punto una vez</translation>
    </message>
    <message>
        <source>Replace a bearing</source>
        <translation>Sustituir un rodamiento</translation>
    </message>
    <message>
        <source> hours</source>
        <translation> horas</translation>
    </message>
    <message>
        <source>hours to replace one failed bearing (and stoppage per failure)</source>
        <translation>horas para sustituir un rodamiento averiado (y parada por avería)</translation>
    </message>
    <message>
        <source> kg/year</source>
        <translation> kg/año</translation>
    </message>
    <message>
        <source> $/kg</source>
        <translation> $/kg</translation>
    </message>
    <message>
        <source>The figure for “%1” is not a number.</source>
        <translation>La cifra de «%1» no es un número.</translation>
    </message>
    <message>
        <source>It reads %1.</source>
        <translation>Su texto es %1.</translation>
    </message>
    <message>
        <source>bearings</source>
        <translation>rodamientos</translation>
    </message>
    <message>
        <source>failures</source>
        <translation>averías</translation>
    </message>
    <message>
        <source>points</source>
        <translation>puntos</translation>
    </message>
    <message>
        <source>times per month</source>
        <translation>veces al mes</translation>
    </message>
    <message>
        <source>lbs. per year</source>
        <translation>lb al año</translation>
    </message>
    <message>
        <source>production value per hour</source>
        <translation>valor de producción por hora</translation>
    </message>
    <message>
        <source>price per lb.</source>
        <translation>precio por lb</translation>
    </message>
    <message>
        <source>bearing price</source>
        <translation>precio del rodamiento</translation>
    </message>
    <message>
        <source>labor rate</source>
        <translation>tarifa horaria</translation>
    </message>
    <message>
        <source>minutes per point</source>
        <translation>minutos por punto</translation>
    </message>
    <message>
        <source>hours per replacement</source>
        <translation>horas por sustitución</translation>
    </message>
    <message>
        <source>price per kg</source>
        <translation>precio por kg</translation>
    </message>
    <message>
        <source>kg per year</source>
        <translation>kg al año</translation>
    </message>
    <message>
        <source>price of lubricant per kilogram</source>
        <translation>precio del lubricante por kilogramo</translation>
    </message>
    <message>
        <source>kilograms of lubricant used per year</source>
        <translation>kilogramos de lubricante consumidos al año</translation>
    </message>
</context>
<context>
    <name>InvestmentFields</name>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Installed system price ($):</source>
        <translation>Precio del sistema instalado ($):</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opcional</translation>
    </message>
    <message>
        <source>Installation cost ($):</source>
        <translation>Coste de instalación ($):</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Annual upkeep of the system ($):</source>
        <translation>Mantenimiento anual del sistema ($):</translation>
    </message>
    <message>
        <source>Evaluation period (years):</source>
        <translation>Periodo de evaluación (años):</translation>
    </message>
    <message>
        <source>Discount rate (%):</source>
        <translation>Tasa de descuento (%):</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The settings file %1 is not a regular file; it is ignored, and the settings are the defaults.</source>
        <translation>El archivo de configuración %1 no es un archivo normal; se ignora y se usa la configuración predeterminada.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>The calculator will be shown in the chosen language the next time it is started.</source>
        <translation>La calculadora se mostrará en el idioma elegido la próxima vez que se inicie.</translation>
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
        <translation>margen %</translation>
    </message>
    <message>
        <source>made up %</source>
        <translation>recuperado %</translation>
    </message>
    <message>
        <source>idle crew</source>
        <translation>personal inactivo</translation>
    </message>
    <message>
        <source>their rate</source>
        <translation>su tarifa</translation>
    </message>
    <message>
        <source>stop hours</source>
        <translation>horas de parada</translation>
    </message>
    <message>
        <source>The plant is sold out: a lost hour is valued at the whole production value.</source>
        <translation>La planta vende todo lo que produce: una hora perdida se valora por todo el valor de producción.</translation>
    </message>
    <message>
        <source>A lost hour is valued at its contribution margin, %1 of the production value.</source>
        <translation>Una hora perdida se valora por su margen de contribución, %1 del valor de producción.</translation>
    </message>
    <message>
        <source>%1 of the lost output is made up later and not counted as lost.</source>
        <translation>El %1 de la producción perdida se recupera después y no se cuenta como perdido.</translation>
    </message>
    <message numerus="yes">
        <source>A failure stops production for %1 hour(s); the labor to replace the bearing is counted over the hours to replace it.</source>
        <translation>
            <numerusform>Una avería detiene la producción durante %1 hora; la mano de obra de cambio del rodamiento se cuenta por las horas de cambio.</numerusform>
            <numerusform>Una avería detiene la producción durante %1 horas; la mano de obra de cambio del rodamiento se cuenta por las horas de cambio.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 people stand idle during a stop, at %2 an hour each.</source>
        <translation>%1 personas quedan inactivas durante una parada, a %2 la hora cada una.</translation>
    </message>
</context>
<context>
    <name>MatchedOrdersModel</name>
    <message>
        <source>Counted</source>
        <translation>Contada</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Asset</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Work type</source>
        <translation>Tipo de trabajo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
</context>
<context>
    <name>MessageText</name>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
</context>
<context>
    <name>MoneyScale</name>
    <message>
        <source>%1 billions</source>
        <comment>a chart&apos;s money in billions of the currency %1</comment>
        <translation>miles de millones de %1</translation>
    </message>
    <message>
        <source>%1 millions</source>
        <comment>a chart&apos;s money in millions of the currency %1</comment>
        <translation>millones de %1</translation>
    </message>
    <message>
        <source>%1 thousands</source>
        <comment>a chart&apos;s money in thousands of the currency %1</comment>
        <translation>miles de %1</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Open Recent</source>
        <translation>Abrir reciente</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>No hay archivos recientes</translation>
    </message>
    <message>
        <source>Remove Missing Files</source>
        <translation>Quitar los archivos que faltan</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Borrar la lista</translation>
    </message>
</context>
<context>
    <name>RecordsChoiceText</name>
    <message>
        <source>At most %1 words can mark a bearing failure.</source>
        <translation>Como máximo %1 palabras pueden identificar una avería de rodamiento.</translation>
    </message>
    <message>
        <source>A word that marks a bearing failure is longer than %1 characters.</source>
        <translation>Una palabra que identifica una avería de rodamiento supera los %1 caracteres.</translation>
    </message>
    <message>
        <source>The hours on line %1 are below zero.</source>
        <translation>Las horas de la línea %1 son negativas.</translation>
    </message>
    <message>
        <source>At most %1 work types can mark a failure.</source>
        <translation>Como máximo %1 tipos de orden pueden indicar un fallo.</translation>
    </message>
    <message>
        <source>The period of the records needs a start before its end.</source>
        <translation>El periodo de los registros necesita un inicio anterior a su fin.</translation>
    </message>
    <message>
        <source>Repeat orders are those within 0 to %1 days of each other.</source>
        <translation>Las órdenes repetidas distan entre 0 y %1 días.</translation>
    </message>
    <message>
        <source>At most %1 orders can be left out by hand.</source>
        <translation>Se pueden excluir a mano como máximo %1 órdenes.</translation>
    </message>
</context>
<context>
    <name>RecordsDialog</name>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Asset:</source>
        <translation>Equipo:</translation>
    </message>
    <message>
        <source>Work type or cause:</source>
        <translation>Tipo de trabajo o causa:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Repair hours:</source>
        <translation>Horas de reparación:</translation>
    </message>
    <message>
        <source>Downtime hours:</source>
        <translation>Horas de parada:</translation>
    </message>
    <message>
        <source>Maintenance Records</source>
        <translation>Registros de mantenimiento</translation>
    </message>
    <message>
        <source>Choose which column of %1 holds what, and which work orders count as bearing failures. What the records come to is shown below as you choose.</source>
        <translation>Elija qué contiene cada columna de %1 y qué órdenes de trabajo cuentan como averías de rodamiento. El resultado de los registros se muestra abajo a medida que elige.</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Sheet:</source>
        <translation>Hoja:</translation>
    </message>
    <message>
        <source>Day first (31/12/2024)</source>
        <translation>Día primero (31/12/2024)</translation>
    </message>
    <message>
        <source>Month first (12/31/2024)</source>
        <translation>Mes primero (12/31/2024)</translation>
    </message>
    <message>
        <source>Order of the dates:</source>
        <translation>Orden de las fechas:</translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation>Averías de rodamiento</translation>
    </message>
    <message>
        <source>Work orders whose work type or description contains one of these words, separated by commas:</source>
        <translation>Órdenes de trabajo cuyo tipo o descripción contiene una de estas palabras, separadas por comas:</translation>
    </message>
    <message>
        <source>What the records come to</source>
        <translation>Resultado de los registros</translation>
    </message>
    <message>
        <source>Apply to Figures</source>
        <translation>Aplicar a las cifras</translation>
    </message>
    <message>
        <source>Keep as Evidence</source>
        <translation>Conservar como justificante</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Bearing failures: %1 of %2 work orders.</source>
        <translation>Averías de rodamiento: %1 de %2 órdenes de trabajo.</translation>
    </message>
    <message>
        <source>Work types of corrective or breakdown orders, the only ones that can be failures:</source>
        <translation>Tipos de las órdenes correctivas o de avería, las únicas que pueden ser fallos:</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Columns and Failures</source>
        <translation>Columnas y averías</translation>
    </message>
    <message>
        <source>The failures a year are counted over the period the export covers: from its first order to its last, unless you give the months you exported.</source>
        <translation>Las averías al año se cuentan sobre el periodo que cubre la exportación: de su primera orden a la última, salvo que indique los meses exportados.</translation>
    </message>
    <message>
        <source>The export covers a given period</source>
        <translation>La exportación cubre un periodo dado</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <source>Orders on one asset within this gap are one failure:</source>
        <translation>Las órdenes de un equipo dentro de este intervalo son una avería:</translation>
    </message>
    <message>
        <source>The system was installed on:</source>
        <translation>El sistema se instaló el:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Clear an order that is no bearing failure to leave it out.</source>
        <translation>Desmarque una orden que no sea una avería de rodamiento para excluirla.</translation>
    </message>
    <message>
        <source>Assets</source>
        <translation>Equipos</translation>
    </message>
    <message>
        <source>The export names no asset of a failure.</source>
        <translation>La exportación no nombra el equipo de ninguna avería.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln order(s) matched, %1 left out by hand.</source>
        <translation>
            <numerusform>%Ln orden encontrada, %1 excluida(s) a mano.</numerusform>
            <numerusform>%Ln órdenes encontradas, %1 excluida(s) a mano.</numerusform>
        </translation>
    </message>
    <message>
        <source>Matched Orders (%1)</source>
        <translation>Órdenes encontradas (%1)</translation>
    </message>
    <message>
        <source>Value lost production over the mean downtime, not the repair hours</source>
        <translation>Valorar la producción perdida por el tiempo de parada medio, no por las horas de reparación</translation>
    </message>
</context>
<context>
    <name>RecordsExport</name>
    <message>
        <source>Could not read the records of %1. %2</source>
        <translation>No se pudieron leer los registros de %1. %2</translation>
    </message>
</context>
<context>
    <name>RecordsRequestText</name>
    <message>
        <source>%1 is no column=name; the columns are %2</source>
        <translation>%1 no tiene la forma columna=nombre; las columnas son %2</translation>
    </message>
    <message>
        <source>The header has no column %1.</source>
        <translation>El encabezado no tiene ninguna columna %1.</translation>
    </message>
    <message>
        <source>%1 is no period such as 2023-01-01:2024-12-31</source>
        <translation>%1 no es un periodo como 2023-01-01:2024-12-31</translation>
    </message>
    <message>
        <source>the period %1 ends before it begins</source>
        <translation>el periodo %1 termina antes de empezar</translation>
    </message>
</context>
<context>
    <name>RecordsSheetText</name>
    <message>
        <source>Maintenance records</source>
        <translation>Registros de mantenimiento</translation>
    </message>
    <message>
        <source>Years of the records</source>
        <translation>Años de los registros</translation>
    </message>
    <message>
        <source>Repeat failures from</source>
        <translation>Averías repetidas desde</translation>
    </message>
    <message>
        <source>failures of one asset</source>
        <translation>averías de un equipo</translation>
    </message>
    <message>
        <source>What the records come to</source>
        <translation>Resultado de los registros</translation>
    </message>
    <message>
        <source>Share of the failures after the installation, low</source>
        <translation>Parte de las averías tras la instalación, límite inferior</translation>
    </message>
    <message>
        <source>Share of the failures after the installation, high</source>
        <translation>Parte de las averías tras la instalación, límite superior</translation>
    </message>
    <message>
        <source>Confidence of the intervals</source>
        <translation>Confianza de los intervalos</translation>
    </message>
</context>
<context>
    <name>RecordsText</name>
    <message>
        <source>It is not a workbook, or it is damaged.</source>
        <translation>No es un libro de cálculo o está dañado.</translation>
    </message>
    <message>
        <source>The workbook has no sheet %1.</source>
        <translation>El libro de cálculo no tiene hoja %1.</translation>
    </message>
    <message>
        <source>Row %1 of the sheet is damaged.</source>
        <translation>La fila %1 de la hoja está dañada.</translation>
    </message>
    <message>
        <source>The sheet holds no header and no rows.</source>
        <translation>La hoja no contiene ni encabezado ni filas.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bearing failure(s) from %1 to %2: %3 a year, %4 between %5 and %6</source>
        <translation>
            <numerusform>%Ln avería de rodamiento del %1 al %2: %3 al año, con un %4 entre %5 y %6</numerusform>
            <numerusform>%Ln averías de rodamiento del %1 al %2: %3 al año, con un %4 entre %5 y %6</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln bearing failure(s) on %1, too short a time for a rate a year</source>
        <translation>
            <numerusform>%Ln avería de rodamiento el %1, un periodo demasiado corto para una tasa anual</numerusform>
            <numerusform>%Ln averías de rodamiento el %1, un periodo demasiado corto para una tasa anual</numerusform>
        </translation>
    </message>
    <message>
        <source>Hours to replace a bearing: median %1, 10th to 90th percentile %2 to %3</source>
        <translation>Horas para sustituir un rodamiento: mediana %1, percentil 10 a 90 de %2 a %3</translation>
    </message>
    <message>
        <source>Downtime per failure: median %1 hours</source>
        <translation>Parada por avería: mediana %1 horas</translation>
    </message>
    <message numerus="yes">
        <source>From %Ln work order(s) in %1</source>
        <translation>
            <numerusform>A partir de %Ln orden de trabajo en %1</numerusform>
            <numerusform>A partir de %Ln órdenes de trabajo en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln repeated row(s) counted once</source>
        <translation>
            <numerusform>, %Ln fila repetida contada una vez</numerusform>
            <numerusform>, %Ln filas repetidas contadas una vez</numerusform>
        </translation>
    </message>
    <message>
        <source> (SHA-256 %1…)</source>
        <translation> (SHA-256 %1…)</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln row(s) without a date left out</source>
        <translation>
            <numerusform>, %Ln fila sin fecha omitida</numerusform>
            <numerusform>, %Ln filas sin fecha omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Its part %1 unpacks to far more than a workbook of its size holds.</source>
        <translation>Su parte %1 se descomprime en mucho más de lo que contiene un libro de ese tamaño.</translation>
    </message>
    <message>
        <source>Its part %1 is damaged.</source>
        <translation>Su parte %1 está dañada.</translation>
    </message>
    <message>
        <source>Its part %1 declares entities, which no workbook does.</source>
        <translation>Su parte %1 declara entidades, algo que ningún libro hace.</translation>
    </message>
    <message>
        <source>Its texts are longer than %1 characters.</source>
        <translation>Sus textos superan los %1 caracteres.</translation>
    </message>
    <message>
        <source>Row %1 of the sheet lies beyond the last row a workbook can have.</source>
        <translation>La fila %1 de la hoja está más allá de la última fila que puede tener un libro.</translation>
    </message>
    <message>
        <source>The cell %1 lies beyond the last column or row a workbook can have.</source>
        <translation>La celda %1 está más allá de la última columna o fila que puede tener un libro.</translation>
    </message>
    <message>
        <source>Row %1 of the sheet has more cells than a workbook row can.</source>
        <translation>La fila %1 de la hoja tiene más celdas de las que puede tener una fila de un libro.</translation>
    </message>
    <message>
        <source>A cell of row %1 holds more than %2 characters, more than a workbook cell can.</source>
        <translation>Una celda de la fila %1 contiene más de %2 caracteres, más de los que admite una celda de un libro.</translation>
    </message>
    <message>
        <source>The cell %1 names a shared string the workbook does not hold.</source>
        <translation>La celda %1 remite a una cadena compartida que el libro no contiene.</translation>
    </message>
    <message>
        <source>The sheet holds more than %1 cells.</source>
        <translation>La hoja contiene más de %1 celdas.</translation>
    </message>
    <message>
        <source>No bearing failures found: no work order&apos;s type or description holds %1.</source>
        <translation>No se encontraron fallos de rodamientos: ni el tipo ni la descripción de ninguna orden de trabajo contiene %1.</translation>
    </message>
    <message numerus="yes">
        <source>Failures counted among the %Ln order(s) of type %1</source>
        <translation>
            <numerusform>Fallos contados entre la %Ln orden de tipo %1</numerusform>
            <numerusform>Fallos contados entre las %Ln órdenes de tipo %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The export has no work-type column: every order was searched for the words</source>
        <translation>La exportación no tiene columna de tipo de orden: se buscaron las palabras en todas las órdenes</translation>
    </message>
    <message>
        <source>No bearing failures found: no work type is chosen as corrective or breakdown.</source>
        <translation>No se encontraron fallos de rodamientos: no se eligió ningún tipo de orden como correctivo o de avería.</translation>
    </message>
    <message>
        <source>Hours to replace a bearing: mean %1, median %2, 10th to 90th percentile %3 to %4</source>
        <translation>Horas para sustituir un rodamiento: media %1, mediana %2, percentil 10 a 90 de %3 a %4</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln failure order(s), repeats on one asset within %1 days counted as one</source>
        <translation>
            <numerusform>, %Ln orden de fallo, las repeticiones en un mismo equipo en %1 días contadas como una</numerusform>
            <numerusform>, %Ln órdenes de fallo, las repeticiones en un mismo equipo en %1 días contadas como una</numerusform>
        </translation>
    </message>
    <message>
        <source>No trend in the failures (Laplace U = %1, p = %2): the average rate is used</source>
        <translation>Sin tendencia en los fallos (Laplace U = %1, p = %2): se usa la tasa media</translation>
    </message>
    <message>
        <source>Failures rising (β = %1, p = %2): the rate at the end of the records, %3 a year, is used</source>
        <translation>Fallos en aumento (β = %1, p = %2): se usa la tasa al final de los registros, %3 al año</translation>
    </message>
    <message>
        <source>Failures falling (β = %1, p = %2): the rate at the end of the records, %3 a year, is used</source>
        <translation>Fallos en descenso (β = %1, p = %2): se usa la tasa al final de los registros, %3 al año</translation>
    </message>
    <message>
        <source>%1 %2 (%3, repeat failures)</source>
        <translation>%1 %2 (%3, fallos repetidos)</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>Most failures: %1</source>
        <translation>Más fallos: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln failure(s), %2 a year, %3 of all failures</source>
        <translation>
            <numerusform>%1: %Ln fallo, %2 al año, %3 de todos los fallos</numerusform>
            <numerusform>%1: %Ln fallos, %2 al año, %3 de todos los fallos</numerusform>
        </translation>
    </message>
    <message>
        <source>, median repair %1 hours</source>
        <translation>, reparación mediana %1 horas</translation>
    </message>
    <message>
        <source>, repeat failures</source>
        <translation>, fallos repetidos</translation>
    </message>
    <message>
        <source>The period is the one given for the export</source>
        <translation>El periodo es el indicado para la exportación</translation>
    </message>
    <message>
        <source>The period runs from the export&apos;s first order to its last; it ends on a failure, so the rate counts one failure fewer</source>
        <translation>El periodo va de la primera orden de la exportación a la última; termina en una avería, por lo que la tasa cuenta una avería menos</translation>
    </message>
    <message>
        <source>The period runs from the export&apos;s first order to its last</source>
        <translation>El periodo va de la primera orden de la exportación a la última</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln order(s) outside the period left out</source>
        <translation>
            <numerusform>, %Ln orden fuera del periodo excluida</numerusform>
            <numerusform>, %Ln órdenes fuera del periodo excluidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln order(s) left out by hand</source>
        <translation>
            <numerusform>, %Ln orden excluida a mano</numerusform>
            <numerusform>, %Ln órdenes excluidas a mano</numerusform>
        </translation>
    </message>
    <message>
        <source>Failures before %1: %2 in %3 years; after: %4 in %5 years; measured: %6, %7</source>
        <translation>Averías antes del %1: %2 en %3 años; después: %4 en %5 años; medido: %6, %7</translation>
    </message>
    <message numerus="yes">
        <source>the gamma posterior (Jeffreys prior) of %Ln failure(s) counted in %1 years</source>
        <translation>
            <numerusform>la distribución a posteriori gamma (a priori de Jeffreys) de %Ln avería contada en %1 años</numerusform>
            <numerusform>la distribución a posteriori gamma (a priori de Jeffreys) de %Ln averías contadas en %1 años</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, times the trend&apos;s β of %2</source>
        <extracomment>%1: the gamma posterior of the failures, %2: the trend&apos;s β.</extracomment>
        <translation>%1, por la β de la tendencia, %2</translation>
    </message>
    <message numerus="yes">
        <source>a gamma of the mean of %Ln repair(s): %1 hours, standard error %2</source>
        <translation>
            <numerusform>una gamma de la media de %Ln reparación: %1 horas, error estándar %2</numerusform>
            <numerusform>una gamma de la media de %Ln reparaciones: %1 horas, error estándar %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the mean of %Ln repair(s), %1 hours, fixed: their hours do not vary</source>
        <translation>
            <numerusform>la media de %Ln reparación, %1 horas, fija: sus horas no varían</numerusform>
            <numerusform>la media de %Ln reparaciones, %1 horas, fija: sus horas no varían</numerusform>
        </translation>
    </message>
    <message>
        <source>a PERT over the repairs&apos; 10th to 90th percentile, most likely their median</source>
        <translation>una PERT entre el percentil 10 y el 90 de las reparaciones, con su mediana como más probable</translation>
    </message>
    <message>
        <source>Lost production valued over the mean downtime of %1 hours a failure, not the repair hours</source>
        <translation>Producción perdida valorada por la parada media de %1 horas por avería, no por las horas de reparación</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Figures typed at %1 were not saved.</source>
        <translation>Las cifras escritas a las %1 no se guardaron.</translation>
    </message>
    <message>
        <source>Figures of %1 changed at %2 were not saved.</source>
        <translation>Las cifras de %1 cambiadas a las %2 no se guardaron.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>ReportDetailsDialog</name>
    <message>
        <source>Report Details</source>
        <translation>Datos del informe</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Emplazamiento:</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>Elaborado por:</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Customer:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Emplazamiento:</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>Elaborado por:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Facility figures</source>
        <translation>Datos de la planta</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Recuperación de la inversión</translation>
    </message>
    <message>
        <source>Investment and measures</source>
        <translation>Inversión e indicadores</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>Escenarios</translation>
    </message>
    <message>
        <source>Assumptions</source>
        <translation>Supuestos</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>No se ha podido dibujar la página.</translation>
    </message>
    <message>
        <source>Could not write the report to %1. %2</source>
        <translation>No se ha podido escribir el informe en %1. %2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>an installed system price of %1</source>
        <translation>un precio del sistema instalado de %1</translation>
    </message>
    <message>
        <source>installation at %1</source>
        <translation>una instalación de %1</translation>
    </message>
    <message>
        <source>an annual upkeep of %1</source>
        <translation>un mantenimiento anual de %1</translation>
    </message>
    <message numerus="yes">
        <source>The investment: %1, evaluated over %2 year(s) at a discount rate of %3%.</source>
        <translation>
            <numerusform>La inversión: %1; evaluada a %2 año con una tasa de descuento del %3&#xa0;%.</numerusform>
            <numerusform>La inversión: %1; evaluada a %2 años con una tasa de descuento del %3&#xa0;%.</numerusform>
        </translation>
    </message>
    <message>
        <source>Business Case</source>
        <translation>Análisis de rentabilidad</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Escenario</translation>
    </message>
    <message>
        <source>Reductions</source>
        <translation>Reducciones</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Ahorro anual</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Recuperación</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valor actual neto</translation>
    </message>
    <message>
        <source>Sensitivity: each of the twelve figures and five reductions lowered and raised by %1%, a reduction no further than 0% or 100%.</source>
        <translation>Sensibilidad: cada una de las doce cifras y de las cinco reducciones se reduce y se aumenta un %1&#xa0;%, sin llevar ninguna reducción por debajo del 0&#xa0;% ni por encima del 100&#xa0;%.</translation>
    </message>
    <message>
        <source>Installed system price: %1</source>
        <translation>Precio del sistema instalado: %1</translation>
    </message>
    <message>
        <source>Installation cost: %1</source>
        <translation>Coste de instalación: %1</translation>
    </message>
    <message>
        <source>Annual upkeep: %1</source>
        <translation>Mantenimiento anual: %1</translation>
    </message>
    <message>
        <source>No payback: with these figures the system brings no annual savings to pay for it.</source>
        <translation>Sin recuperación: con estas cifras el sistema no aporta un ahorro anual que permita recuperarlo.</translation>
    </message>
    <message>
        <source>Payback period: %1 months</source>
        <translation>Plazo de recuperación: %1 meses</translation>
    </message>
    <message>
        <source>%1: the results cannot be computed from these figures.</source>
        <translation>%1: no se pueden calcular los resultados con estas cifras.</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Lubrication Cost Savings Report</source>
        <translation>Informe de ahorro en costes de lubricación</translation>
    </message>
    <message>
        <source>All figures are annual, in dollars.</source>
        <translation>Todas las cifras son anuales, en dólares.</translation>
    </message>
    <message>
        <source>All figures are annual, in %1.</source>
        <translation>Todas las cifras son anuales, en %1.</translation>
    </message>
    <message>
        <source>No payback: nothing is invested.</source>
        <translation>Sin recuperación: no se invierte nada.</translation>
    </message>
    <message>
        <source>How these figures are computed. The current cost is what lubricating by hand costs a year: the labor to lubricate (%1), the lubricant (%2), new replacement bearings (%3), the labor to replace them (%4) and lost production, since every bearing failure stops production for the time its replacement takes (%5). %6 The savings are the difference. %7</source>
        <extracomment>%1 to %5: the formulas of the five cost rows (&quot;points × minutes per point ÷ 60 × ...&quot;), %6: the sentence on the reductions, %7: the sentence on the currency.</extracomment>
        <translation>Cómo se calculan estas cifras. El coste actual es lo que cuesta al año lubricar a mano: la mano de obra de lubricación (%1), el lubricante (%2), los rodamientos nuevos de repuesto (%3), la mano de obra para sustituirlos (%4) y la producción perdida, ya que cada avería de un rodamiento detiene la producción durante el tiempo que lleva sustituirlo (%5). %6 El ahorro es la diferencia. %7</translation>
    </message>
    <message numerus="yes">
        <source>Payback period: %1 months, not within the %n year(s) evaluated</source>
        <translation>
            <numerusform>Plazo de recuperación: %1 meses, fuera del periodo evaluado (%n año)</numerusform>
            <numerusform>Plazo de recuperación: %1 meses, fuera del periodo evaluado (%n años)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Net cash flow over %n year(s): %1</source>
        <translation>
            <numerusform>Flujo de caja neto en %n año: %1</numerusform>
            <numerusform>Flujo de caja neto en %n años: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Cash flow</source>
        <translation>Flujo de caja</translation>
    </message>
    <message>
        <source>Sensitivity of the Net Present Value</source>
        <translation>Sensibilidad del VAN</translation>
    </message>
    <message>
        <source>Ranges the runs are drawn from</source>
        <translation>Rangos de los que se extraen las iteraciones</translation>
    </message>
    <message>
        <source>Each run draws every input with a range from a PERT distribution: between its low and high value, most often near the most likely one. An input marked — keeps its figure. P10, P50 and P90: a tenth, half and nine tenths of the runs come out less favorable than this. The same seed draws the same runs.</source>
        <translation>Cada iteración extrae cada dato con rango de una distribución PERT: entre su valor bajo y su valor alto, con más frecuencia cerca del más probable. Un dato marcado con — conserva su cifra. P10, P50 y P90: una décima parte, la mitad y nueve décimas partes de las iteraciones resultan menos favorables que este valor. La misma semilla da las mismas iteraciones.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two parts of what the maintenance records come to, as two sentences.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The plant&apos;s maintenance records: %1.</source>
        <translation>Registros de mantenimiento de la planta: %1.</translation>
    </message>
    <message>
        <source>The figures they give are used in this report.</source>
        <translation>Las cifras que resultan de ellos se utilizan en este informe.</translation>
    </message>
    <message>
        <source>They are kept as evidence only; no figure of this report is taken from them.</source>
        <translation>Se conservan solo como justificante; ninguna cifra de este informe procede de ellos.</translation>
    </message>
    <message>
        <source>An input drawn from a gamma distribution instead shows its P10, P50 and P90.</source>
        <translation>Un dato tomado de una distribución gamma muestra en su lugar su P10, P50 y P90.</translation>
    </message>
    <message>
        <source>Bearing failures by asset</source>
        <translation>Averías de rodamiento por equipo</translation>
    </message>
    <message>
        <source>Each period&apos;s failures a year are its failures over its years, with the exact %1 interval of a count of failures. The measured reduction is 1 − rate after ÷ rate before; its %1 interval is exact by the conditional binomial method: of all the failures, the share that came after the installation tells the ratio of the rates. A failure on the day of the installation counts after it.</source>
        <translation>Las averías al año de cada periodo son sus averías entre sus años, con el intervalo exacto del %1 de un recuento de averías. La reducción medida es 1 − tasa después ÷ tasa antes; su intervalo del %1 es exacto por el método binomial condicional: la parte de todas las averías ocurrida tras la instalación indica la razón de las tasas. Una avería el día de la instalación cuenta como posterior.</translation>
    </message>
    <message>
        <source>The facility file keeps the counts only, not the failures&apos; dates: read the export again to chart them.</source>
        <translation>El archivo de la planta solo guarda los recuentos, no las fechas de las averías: vuelva a leer la exportación para graficarlas.</translation>
    </message>
    <message>
        <source>No payback: with these figures the annual nets after upkeep and tax do not recover the outlay.</source>
        <translation>Sin recuperación: con estas cifras, los flujos netos anuales tras mantenimiento e impuestos no cubren la inversión.</translation>
    </message>
    <message>
        <source>Payback period: %1 months, after tax</source>
        <translation>Plazo de recuperación: %1 meses, después de impuestos</translation>
    </message>
    <message numerus="yes">
        <source>Payback period: %1 months after tax, not within the %n year(s) evaluated</source>
        <translation>
            <numerusform>Plazo de recuperación: %1 meses después de impuestos, fuera del periodo evaluado (%n año)</numerusform>
            <numerusform>Plazo de recuperación: %1 meses después de impuestos, fuera del periodo evaluado (%n años)</numerusform>
        </translation>
    </message>
    <message>
        <source>The cumulative net is below zero again from year %1.</source>
        <translation>El flujo neto acumulado vuelve a ser negativo a partir del año %1.</translation>
    </message>
    <message>
        <source>The net present value&apos;s sensitivity also moves the price, installation, upkeep, discount rate, tax rate and escalations by the same step, a tax rate no further than 0% or 100% and an escalation no further than %1% or %2%.</source>
        <translation>La sensibilidad del valor actual neto también mueve el precio, la instalación, el mantenimiento, la tasa de descuento, la tasa impositiva y los incrementos en el mismo paso, sin llevar la tasa impositiva por debajo del 0&#xa0;% ni por encima del 100&#xa0;%, ni un incremento por debajo del %1&#xa0;% ni por encima del %2&#xa0;%.</translation>
    </message>
    <message>
        <source>No payback: with these figures the annual nets after upkeep do not recover the outlay.</source>
        <translation>Sin recuperación: con estas cifras, los flujos netos anuales tras el mantenimiento no cubren la inversión.</translation>
    </message>
    <message>
        <source>How these figures are computed. The current cost is what lubricating by hand costs a year: the labor to lubricate (%1), the lubricant (%2), new replacement bearings (%3), the labor to replace them (%4) and lost production, since every bearing failure stops production (%5). %6 The savings are the difference. %7</source>
        <extracomment>%1 to %4: the formulas of the first four cost rows, %5: the formula of the lost production as the rule values it, %6: the rule and the reductions in sentences, %7: the sentence on the currency.</extracomment>
        <translation>Cómo se calculan estas cifras. El coste actual es lo que cuesta al año lubricar a mano: la mano de obra de lubricación (%1), el lubricante (%2), los rodamientos nuevos de repuesto (%3), la mano de obra para sustituirlos (%4) y la producción perdida, ya que cada avería de un rodamiento detiene la producción (%5). %6 El ahorro es la diferencia. %7</translation>
    </message>
    <message>
        <source>Price and installation with a contingency of %1: %2</source>
        <translation>Precio e instalación con una contingencia del %1: %2</translation>
    </message>
    <message>
        <source>Alternatives Considered</source>
        <translation>Alternativas consideradas</translation>
    </message>
    <message numerus="yes">
        <source>These figures are of the option %1, one of the %n options the page of the alternatives considered sets beside doing nothing.</source>
        <translation>
            <numerusform>Estas cifras son de la alternativa %1, una de las %n alternativa que la página de alternativas consideradas compara con no hacer nada.</numerusform>
            <numerusform>Estas cifras son de la alternativa %1, una de las %n alternativas que la página de alternativas consideradas compara con no hacer nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cash Flow and Sensitivity of the Net Present Value</source>
        <translation>Flujo de caja y sensibilidad del VAN</translation>
    </message>
</context>
<context>
    <name>RiskChartText</name>
    <message>
        <source>Histogram of the NPV ($)</source>
        <translation>Histograma del VAN ($)</translation>
    </message>
    <message>
        <source>Histogram of the annual savings ($)</source>
        <translation>Histograma del ahorro anual ($)</translation>
    </message>
    <message>
        <source>Share of runs (%)</source>
        <translation>Iteraciones (%)</translation>
    </message>
    <message>
        <source>S-curve of the NPV ($)</source>
        <translation>Curva S del VAN ($)</translation>
    </message>
    <message>
        <source>S-curve of the annual savings ($)</source>
        <translation>Curva S del ahorro anual ($)</translation>
    </message>
    <message>
        <source>Runs at or below (%)</source>
        <translation>Iteraciones iguales o inferiores (%)</translation>
    </message>
</context>
<context>
    <name>RiskRangesDialog</name>
    <message>
        <source>Risk Ranges</source>
        <translation>Rangos de riesgo</translation>
    </message>
    <message>
        <source>Each input varies from its low to its high value, most often near the most likely one. An input whose three fields are empty stays at its figure, shown in gray.</source>
        <translation>Cada dato varía de su valor bajo al alto, con más frecuencia cerca del más probable. Un dato con los tres campos vacíos conserva su cifra, mostrada en gris.</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Semilla:</translation>
    </message>
    <message>
        <source>Runs:</source>
        <translation>Iteraciones:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
    <message>
        <source>Give the low, most likely and high value of %1, or leave all three empty to keep it at its figure.</source>
        <translation>Indique el valor bajo, el más probable y el alto de %1, o deje los tres vacíos para conservar su cifra.</translation>
    </message>
    <message>
        <source>The value %1 of %2 is no number.</source>
        <translation>El valor %1 de %2 no es un número.</translation>
    </message>
    <message>
        <source>The values of %1 are out of order: the low value may not exceed the most likely one, nor the most likely the high one.</source>
        <translation>Los valores de %1 no están en orden: el bajo no puede superar al más probable, ni este al alto.</translation>
    </message>
    <message>
        <source>The values of %1 are reductions: each from 0 to 100.</source>
        <translation>Los valores de %1 son reducciones: cada uno de 0 a 100.</translation>
    </message>
    <message>
        <source>The values of %1 may not be negative.</source>
        <translation>Los valores de %1 no pueden ser negativos.</translation>
    </message>
    <message>
        <source>The seed %1 is no whole number from 0 to %2.</source>
        <translation>La semilla %1 no es un entero de 0 a %2.</translation>
    </message>
    <message>
        <source>From the records</source>
        <translation>De los registros</translation>
    </message>
    <message>
        <source>The records give %1, shown as its P10, P50 and P90.</source>
        <translation>Los registros dan %1, mostrada por su P10, P50 y P90.</translation>
    </message>
    <message>
        <source>The records give %1.</source>
        <translation>Los registros dan %1.</translation>
    </message>
</context>
<context>
    <name>RiskSheetText</name>
    <message>
        <source>Risk simulation</source>
        <translation>Simulación de riesgo</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Runs computed</source>
        <translation>Iteraciones calculadas</translation>
    </message>
    <message>
        <source>Runs left out (arithmetic overflows)</source>
        <translation>Iteraciones descartadas (desbordamiento)</translation>
    </message>
    <message>
        <source>fixed at its figure</source>
        <translation>fijo en su cifra</translation>
    </message>
    <message>
        <source>a gamma from the records: its P10, P50 and P90</source>
        <translation>una gamma de los registros: su P10, P50 y P90</translation>
    </message>
</context>
<context>
    <name>RiskText</name>
    <message>
        <source>Lubrication labor reduction (%)</source>
        <translation>Reducción de la mano de obra de lubricación (%)</translation>
    </message>
    <message>
        <source>Lubricant reduction (%)</source>
        <translation>Reducción del lubricante (%)</translation>
    </message>
    <message>
        <source>Bearings reduction (%)</source>
        <translation>Reducción rodamientos (%)</translation>
    </message>
    <message>
        <source>Replacement labor reduction (%)</source>
        <translation>Reducción sustitución de rodamientos (%)</translation>
    </message>
    <message>
        <source>Lost production reduction (%)</source>
        <translation>Reducción producción perdida (%)</translation>
    </message>
    <message>
        <source>Bearing failures a year</source>
        <translation>Averías de rodamiento al año</translation>
    </message>
    <message>
        <source>Hours to replace a bearing</source>
        <translation>Horas por sustitución de rodamiento</translation>
    </message>
    <message>
        <source>Value of an hour&apos;s production ($)</source>
        <translation>Valor de producción por hora ($)</translation>
    </message>
    <message numerus="yes">
        <source>%1 run(s) of the simulation, seed %2</source>
        <extracomment>%1: the number of runs, %2: the seed, a whole number that draws the same runs again.</extracomment>
        <translation>
            <numerusform>%1 iteración de la simulación, semilla %2</numerusform>
            <numerusform>%1 iteraciones de la simulación, semilla %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 run(s) left out: their arithmetic overflows.</source>
        <translation>
            <numerusform>%1 iteración descartada: su cálculo se desborda.</numerusform>
            <numerusform>%1 iteraciones descartadas: su cálculo se desborda.</numerusform>
        </translation>
    </message>
    <message>
        <source>Annual savings, P10 / P50 / P90: %1 / %2 / %3</source>
        <translation>Ahorro anual, P10 / P50 / P90: %1 / %2 / %3</translation>
    </message>
    <message>
        <source>Net present value, P10 / P50 / P90: %1 / %2 / %3</source>
        <translation>Valor actual neto, P10 / P50 / P90: %1 / %2 / %3</translation>
    </message>
    <message>
        <source>Simple payback in months, P10 / P50 / P90: %1 / %2 / %3</source>
        <translation>Plazo de recuperación simple en meses, P10 / P50 / P90: %1 / %2 / %3</translation>
    </message>
    <message>
        <source>No run of the simulation can be computed from these figures and ranges.</source>
        <translation>Ninguna iteración puede calcularse con estas cifras y rangos.</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Riesgo</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Most likely</source>
        <translation>Más probable</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Ahorro anual</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valor actual neto</translation>
    </message>
    <message>
        <source>Simple payback (months)</source>
        <translation>Plazo de recuperación simple (meses)</translation>
    </message>
    <message>
        <source>Chance that the NPV is below zero</source>
        <translation>Probabilidad de un VAN negativo</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Iteración</translation>
    </message>
    <message>
        <source>The range of %1 is too wide: at its ends the arithmetic overflows, so the runs there cannot be computed. Narrow it to simulate the risk.</source>
        <translation>El rango de %1 es demasiado amplio: en sus extremos el cálculo se desborda, por lo que las iteraciones allí no pueden calcularse. Redúzcalo para simular el riesgo.</translation>
    </message>
    <message>
        <source>P10 is each measure&apos;s unfavorable end: savings and net present value reached in %1 of the runs, a payback reached within it in %1 of them. The inputs are drawn independently.</source>
        <extracomment>%1: nine runs in ten, &quot;90%&quot; as the language writes a percentage.</extracomment>
        <translation>P10 es el extremo desfavorable de cada medida: ahorro y valor actual neto alcanzados en el %1 de las simulaciones, recuperación de la inversión lograda dentro de ese plazo en el %1 de ellas. Las entradas se extraen de forma independiente.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1: the input&apos;s name, %2: how the records give it.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>From the records: %1.</source>
        <translation>De los registros: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>not within the period</source>
        <translation>fuera del periodo</translation>
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
        <translation>No se han podido escribir todos los bytes.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Ya hay una carpeta con ese nombre.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>Es un dispositivo, no un archivo.</translation>
    </message>
    <message>
        <source>It is a pipe (FIFO), not a file.</source>
        <translation>Es una tubería (FIFO), no un archivo.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>Es un socket, no un archivo.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>It cannot be read to see what it holds: %1</source>
        <translation>No se puede leer para ver qué contiene: %1</translation>
    </message>
    <message>
        <source>It is not a %1, so it is not replaced.</source>
        <translation>No es un %1, así que no se sustituye.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>No se ha indicado ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>Its name is that of a %1, which a %2 never replaces.</source>
        <translation>Tiene el nombre de un %1, y un %2 nunca sustituye a uno de ellos.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>Es un enlace a un archivo que no existe.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>El archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>Nothing was made to write.</source>
        <translation>No se ha generado nada que escribir.</translation>
    </message>
    <message>
        <source>Not every byte reached the file.</source>
        <translation>No todos los bytes han llegado al archivo.</translation>
    </message>
    <message>
        <source>facility file</source>
        <translation>archivo de planta</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>documento PDF</translation>
    </message>
    <message>
        <source>spreadsheet workbook</source>
        <translation>libro de hoja de cálculo</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>archivo CSV</translation>
    </message>
    <message>
        <source>It holds JSON as a %1 does, which a %2 never replaces.</source>
        <translation>Contiene JSON como un %1, y un %2 nunca sustituye a uno de ellos.</translation>
    </message>
    <message>
        <source>It is a link to %1, whose name is that of a %2, which a %3 never replaces.</source>
        <translation>Es un enlace a %1, que tiene el nombre de un %2, y un %3 nunca sustituye a uno de ellos.</translation>
    </message>
    <message>
        <source>The new file is in place, but the system did not confirm that it is on the disk: %1</source>
        <translation>El archivo nuevo está en su sitio, pero el sistema no ha confirmado que esté en el disco: %1</translation>
    </message>
    <message>
        <source>System error %1</source>
        <translation>Error del sistema %1</translation>
    </message>
    <message>
        <source>No temporary file could be made beside it.</source>
        <translation>No se ha podido crear un archivo temporal a su lado.</translation>
    </message>
</context>
<context>
    <name>SavingsChartText</name>
    <message>
        <source>Bearing failures counted up</source>
        <translation>Averías de rodamiento acumuladas</translation>
    </message>
    <message>
        <source>Failures since %1</source>
        <translation>Averías desde el %1</translation>
    </message>
    <message>
        <source>Failures counted up</source>
        <translation>Averías acumuladas</translation>
    </message>
    <message>
        <source>At the rate before the installation</source>
        <translation>A la tasa anterior a la instalación</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>Instalado el %1</translation>
    </message>
</context>
<context>
    <name>SavingsCheckText</name>
    <message>
        <source>Savings check</source>
        <translation>Verificación del ahorro</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Años</translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation>Averías de rodamiento</translation>
    </message>
    <message>
        <source>Failures a year</source>
        <translation>Averías al año</translation>
    </message>
    <message>
        <source>90% low</source>
        <translation>Límite inferior del 90%</translation>
    </message>
    <message>
        <source>90% high</source>
        <translation>Límite superior del 90%</translation>
    </message>
    <message>
        <source>Measured reduction</source>
        <translation>Reducción medida</translation>
    </message>
    <message>
        <source>Measured reduction, 90% low</source>
        <translation>Reducción medida, límite inferior del 90%</translation>
    </message>
    <message>
        <source>Measured reduction, 90% high</source>
        <translation>Reducción medida, límite superior del 90%</translation>
    </message>
    <message>
        <source>Assumed reduction</source>
        <translation>Reducción supuesta</translation>
    </message>
    <message>
        <source>%1 between any rise and %2 fewer</source>
        <translation>al %1 entre cualquier aumento y un %2 menos</translation>
    </message>
    <message>
        <source>%1 at least %2 more</source>
        <translation>al %1 al menos un %2 más</translation>
    </message>
    <message>
        <source>%1 between %2 and %3 fewer</source>
        <translation>al %1 entre un %2 y un %3 menos</translation>
    </message>
    <message>
        <source>%1 between %2 and %3 more</source>
        <translation>al %1 entre un %2 y un %3 más</translation>
    </message>
    <message>
        <source>%1 between %2 more and %3 fewer</source>
        <translation>al %1 entre un %2 más y un %3 menos</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>sin cambio</translation>
    </message>
    <message>
        <source>%1 fewer</source>
        <translation>un %1 menos</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>un %1 más</translation>
    </message>
    <message>
        <source>The case assumes %1 fewer bearing failures; the records measure %2, %3.</source>
        <extracomment>%1: the assumed reduction (&quot;80%&quot;), %2: the measured one (&quot;71% fewer&quot;, &quot;13% more&quot;), %3: its interval (&quot;90% between 48% and 85% fewer&quot;).</extracomment>
        <translation>El cálculo supone un %1 menos de averías de rodamiento; los registros miden %2, %3.</translation>
    </message>
    <message>
        <source>%1 a year, %2 between %3 and %4</source>
        <extracomment>%1: failures a year, %2: &quot;90%&quot;, %3 and %4: the interval&apos;s ends.</extracomment>
        <translation>%1 al año, al %2 entre %3 y %4</translation>
    </message>
    <message numerus="yes">
        <source>Before %1: %Ln bearing failure(s) in %2 years, %3</source>
        <translation>
            <numerusform>Antes del %1: %Ln avería de rodamiento en %2 años, %3</numerusform>
            <numerusform>Antes del %1: %Ln averías de rodamiento en %2 años, %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From %1 on: %Ln bearing failure(s) in %2 years, %3</source>
        <translation>
            <numerusform>Desde el %1: %Ln avería de rodamiento en %2 años, %3</numerusform>
            <numerusform>Desde el %1: %Ln averías de rodamiento en %2 años, %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavingsKindsText</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Hard savings, cash the plant no longer pays: %1.</source>
        <translation>Ahorros tangibles, dinero que la planta deja de pagar: %1.</translation>
    </message>
    <message>
        <source>Soft savings, not cash until they replace costs the plant pays: %1.</source>
        <translation>Ahorros intangibles, que no son dinero hasta que sustituyen costes que la planta paga: %1.</translation>
    </message>
    <message>
        <source>The freed lubrication hours are counted as cash.</source>
        <translation>Las horas de lubricación liberadas se cuentan como dinero.</translation>
    </message>
    <message>
        <source>The freed lubrication hours go to %1, counted as cash.</source>
        <translation>Las horas de lubricación liberadas se destinan a %1, contadas como dinero.</translation>
    </message>
    <message>
        <source>Nothing says what the freed lubrication hours will do.</source>
        <translation>Nada indica a qué se destinarán las horas de lubricación liberadas.</translation>
    </message>
    <message>
        <source>The freed lubrication hours go to %1, not counted as cash.</source>
        <translation>Las horas de lubricación liberadas se destinan a %1, sin contarse como dinero.</translation>
    </message>
    <message>
        <source>The lost production is cash at its contribution margin.</source>
        <translation>La producción perdida cuenta como dinero a su margen de contribución.</translation>
    </message>
    <message>
        <source>The lost production is counted as cash at the full production value.</source>
        <translation>La producción perdida se cuenta como dinero por todo el valor de producción.</translation>
    </message>
    <message>
        <source>The lost production is valued at revenue, not at its margin.</source>
        <translation>La producción perdida se valora a precio de venta, no a su margen.</translation>
    </message>
</context>
<context>
    <name>SummaryText</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Emplazamiento</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Payback (months)</source>
        <translation>Recuperación (meses)</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valor actual neto</translation>
    </message>
    <message>
        <source>Its figures cannot be computed: %1.</source>
        <translation>Sus cifras no se pueden calcular: %1.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Could not sum up %1. %2</source>
        <translation>No se ha podido resumir %1. %2</translation>
    </message>
    <message>
        <source>A summary is written as .csv or .xlsx.</source>
        <translation>El resumen se escribe como .csv o .xlsx.</translation>
    </message>
    <message>
        <source>Could not write the summary to %1. %2</source>
        <translation>No se ha podido escribir el resumen en %1. %2</translation>
    </message>
    <message>
        <source>Paid back</source>
        <translation>Recuperado</translation>
    </message>
    <message>
        <source>within</source>
        <translation>dentro del periodo</translation>
    </message>
    <message>
        <source>not within</source>
        <translation>fuera del periodo</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Net present value on hard savings</source>
        <translation>Valor actual neto con ahorros tangibles</translation>
    </message>
</context>
<context>
    <name>TableTitles</name>
    <message>
        <source>Current Cost</source>
        <translation>Coste actual</translation>
    </message>
    <message>
        <source>ANUAL COST OF MANUAL LUBRICATION</source>
        <translation>COSTE ANUAL DE LA LUBRICACIÓN MANUAL</translation>
    </message>
    <message>
        <source>Current annual cost</source>
        <translation>Coste anual actual</translation>
    </message>
    <message>
        <source>Velmor Cost</source>
        <translation>Coste Velmor</translation>
    </message>
    <message>
        <source>ANNUAL COST OF LUBRICATION USING VELMOR AUTOMATIC LUBRICATION SYSTEM</source>
        <translation>COSTE ANUAL CON EL SISTEMA DE LUBRICACIÓN AUTOMÁTICA VELMOR</translation>
    </message>
    <message>
        <source>Velmor annual cost</source>
        <translation>Coste anual con Velmor</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorro</translation>
    </message>
    <message>
        <source>ANNUAL COST SAVINGS REALIZED BY USING VELMOR AUTOMATION VS. MANUAL LUBRICATION</source>
        <translation>AHORRO ANUAL CON LA AUTOMATIZACIÓN VELMOR FRENTE A LA LUBRICACIÓN MANUAL</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Ahorro anual</translation>
    </message>
</context>
<context>
    <name>WorkOrderText</name>
    <message>
        <source>No column is chosen for the date.</source>
        <translation>No se ha elegido ninguna columna para la fecha.</translation>
    </message>
    <message>
        <source>The date %1 on line %2 does not read as a date.</source>
        <translation>La fecha %1 de la línea %2 no se puede leer como fecha.</translation>
    </message>
    <message>
        <source>The records hold no work orders.</source>
        <translation>Los registros no contienen ninguna orden de trabajo.</translation>
    </message>
    <message>
        <source>The hours %1 on line %2 are no number.</source>
        <translation>Las horas %1 de la línea %2 no son un número.</translation>
    </message>
    <message>
        <source>The repair hours %1 on line %2 are more than two weeks for one repair.</source>
        <translation>Las horas de reparación %1 de la línea %2 superan dos semanas para una sola reparación.</translation>
    </message>
    <message>
        <source>The records hold no work orders from %1 to %2.</source>
        <translation>Los registros no contienen órdenes de trabajo del %1 al %2.</translation>
    </message>
</context>
<context>
    <name>WorkbookText</name>
    <message>
        <source>Figure</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Reduction with Velmor</source>
        <translation>Reducción con Velmor</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Installed system price</source>
        <translation>Precio del sistema instalado</translation>
    </message>
    <message>
        <source>Installation cost</source>
        <translation>Coste de instalación</translation>
    </message>
    <message>
        <source>Annual upkeep</source>
        <translation>Mantenimiento anual</translation>
    </message>
    <message>
        <source>per year</source>
        <translation>al año</translation>
    </message>
    <message>
        <source>Evaluation period</source>
        <translation>Periodo de evaluación</translation>
    </message>
    <message>
        <source>years (1 to %1)</source>
        <translation>años (de 1 a %1)</translation>
    </message>
    <message>
        <source>Discount rate</source>
        <translation>Tasa de descuento</translation>
    </message>
    <message>
        <source>% a year</source>
        <translation>% anual</translation>
    </message>
    <message>
        <source>Business Case</source>
        <translation>Análisis de rentabilidad</translation>
    </message>
    <message>
        <source>Initial outlay (price + installation)</source>
        <translation>Inversión inicial (precio + instalación)</translation>
    </message>
    <message>
        <source>Simple payback, months</source>
        <translation>Plazo de recuperación simple, meses</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valor actual neto</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>Tasa interna de rentabilidad</translation>
    </message>
    <message>
        <source>The figures cannot be computed: %1.</source>
        <translation>No se pueden calcular las cifras: %1.</translation>
    </message>
    <message>
        <source>Could not write the workbook %1. %2</source>
        <translation>No se ha podido escribir el libro de cálculo %1. %2</translation>
    </message>
    <message>
        <source>No temporary folder could be made for it: %1</source>
        <translation>No se ha podido crear una carpeta temporal para él: %1</translation>
    </message>
    <message>
        <source>The workbook could not be started.</source>
        <translation>No se ha podido iniciar el libro de cálculo.</translation>
    </message>
    <message>
        <source>The workbook made could not be read back.</source>
        <translation>No se ha podido volver a leer el libro de cálculo creado.</translation>
    </message>
    <message>
        <source>The workbook could not be made: %1</source>
        <translation>No se ha podido crear el libro de cálculo: %1</translation>
    </message>
    <message>
        <source>The temporary folder %1 may be full, or a file size limit was reached.</source>
        <translation>Puede que la carpeta temporal %1 esté llena o que se haya alcanzado un límite de tamaño de archivo.</translation>
    </message>
    <message>
        <source>Its part %1 came out cut short or damaged.</source>
        <translation>Su parte %1 ha quedado cortada o dañada.</translation>
    </message>
    <message>
        <source>Capital request</source>
        <translation>Solicitud de inversión</translation>
    </message>
    <message>
        <source>Escalation of the labor rates</source>
        <translation>Incremento de las tarifas horarias</translation>
    </message>
    <message>
        <source>Escalation of the lubricant price</source>
        <translation>Incremento del precio del lubricante</translation>
    </message>
    <message>
        <source>Escalation of the bearing price</source>
        <translation>Incremento del precio de los rodamientos</translation>
    </message>
    <message>
        <source>Escalation of the production value</source>
        <translation>Incremento del valor de la producción</translation>
    </message>
    <message>
        <source>Escalation of the upkeep</source>
        <translation>Incremento del mantenimiento</translation>
    </message>
    <message>
        <source>Income tax rate</source>
        <translation>Tipo impositivo</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Amortización</translation>
    </message>
    <message>
        <source>0 none, 1 straight-line, 2 declining balance</source>
        <translation>0 ninguna, 1 lineal, 2 decreciente</translation>
    </message>
    <message>
        <source>Depreciation period</source>
        <translation>Periodo de amortización</translation>
    </message>
    <message>
        <source>years (straight-line)</source>
        <translation>años (lineal)</translation>
    </message>
    <message>
        <source>Declining-balance rate</source>
        <translation>Tasa de amortización decreciente</translation>
    </message>
    <message>
        <source>% of the book value a year</source>
        <translation>% del valor contable al año</translation>
    </message>
    <message>
        <source>First-year share of the savings</source>
        <translation>Proporción del ahorro en el primer año</translation>
    </message>
    <message>
        <source>Timing of the annual flows</source>
        <translation>Momento de los flujos anuales</translation>
    </message>
    <message>
        <source>0 year-end, 1 mid-year</source>
        <translation>0 final del año, 1 mitad del año</translation>
    </message>
    <message>
        <source>Residual value</source>
        <translation>Valor residual</translation>
    </message>
    <message>
        <source>at the period&apos;s end</source>
        <translation>al final del periodo</translation>
    </message>
    <message>
        <source>Book value</source>
        <translation>Valor contable</translation>
    </message>
    <message>
        <source>Discount factor</source>
        <translation>Factor de descuento</translation>
    </message>
    <message>
        <source>Paid back by (months)</source>
        <translation>Recuperado en (meses)</translation>
    </message>
    <message>
        <source>Paid back discounted by (years)</source>
        <translation>Recuperado descontado en (años)</translation>
    </message>
    <message>
        <source>Half year</source>
        <translation>Semestre</translation>
    </message>
    <message>
        <source>Flow at the half year</source>
        <translation>Flujo en el semestre</translation>
    </message>
    <message>
        <source>Sign so far</source>
        <translation>Signo hasta ahora</translation>
    </message>
    <message>
        <source>Net of year 1 (savings − upkeep)</source>
        <translation>Flujo neto del año 1 (ahorro − mantenimiento)</translation>
    </message>
    <message>
        <source>Return on investment over the period (undiscounted)</source>
        <translation>Retorno de la inversión en el periodo (sin descontar)</translation>
    </message>
    <message>
        <source>Annualised return on investment</source>
        <translation>Retorno de la inversión anualizado</translation>
    </message>
    <message>
        <source>Profitability index (NPV ÷ initial outlay + 1)</source>
        <translation>Índice de rentabilidad (VAN ÷ inversión inicial + 1)</translation>
    </message>
    <message>
        <source>Discounted payback, years</source>
        <translation>Plazo de recuperación descontado, años</translation>
    </message>
    <message numerus="yes">
        <source>not within the %1 year(s)</source>
        <translation>
            <numerusform>no se alcanza en %1 año</numerusform>
            <numerusform>no se alcanza en los %1 años</numerusform>
        </translation>
    </message>
    <message>
        <source>none: the cash flows never change sign</source>
        <translation>ninguna: los flujos de caja nunca cambian de signo</translation>
    </message>
    <message>
        <source>none: the cash flows change sign more than once</source>
        <translation>ninguna: los flujos de caja cambian de signo más de una vez</translation>
    </message>
    <message>
        <source>Sum of (net − year 1&apos;s net)</source>
        <translation>Suma (neto − neto del año 1)</translation>
    </message>
    <message>
        <source>never: the annual nets do not recover the outlay</source>
        <translation>nunca: los flujos netos anuales no cubren la inversión</translation>
    </message>
    <message>
        <source>Business Case on Hard Savings</source>
        <translation>Análisis de rentabilidad con ahorros tangibles</translation>
    </message>
    <message>
        <source>Lost production</source>
        <translation>Producción perdida</translation>
    </message>
    <message>
        <source>Contribution margin</source>
        <translation>Margen de contribución</translation>
    </message>
    <message>
        <source>% (sold out: the whole production value)</source>
        <translation>% (vende todo: el valor de producción entero)</translation>
    </message>
    <message>
        <source>% of the production value</source>
        <translation>% del valor de producción</translation>
    </message>
    <message>
        <source>Lost output made up later</source>
        <translation>Producción perdida recuperada después</translation>
    </message>
    <message>
        <source>People standing idle during a stop</source>
        <translation>Personas inactivas durante una parada</translation>
    </message>
    <message>
        <source>Their hourly rate</source>
        <translation>Su tarifa por hora</translation>
    </message>
    <message>
        <source>%1/hour</source>
        <translation>%1/hora</translation>
    </message>
    <message>
        <source>Stop per failure</source>
        <translation>Parada por avería</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>Cash (1) or not (0)</source>
        <translation>Dinero (1) o no (0)</translation>
    </message>
    <message>
        <source>The freed hours go to %1</source>
        <translation>Las horas liberadas se destinan a %1</translation>
    </message>
    <message>
        <source>Hard savings</source>
        <translation>Ahorros tangibles</translation>
    </message>
    <message>
        <source>Total hard savings</source>
        <translation>Total de ahorros tangibles</translation>
    </message>
    <message>
        <source>Initial outlay (price + installation + contingency)</source>
        <translation>Inversión inicial (precio + instalación + contingencia)</translation>
    </message>
    <message>
        <source>Contingency</source>
        <translation>Contingencia</translation>
    </message>
    <message>
        <source>% of the price and installation</source>
        <translation>% del precio y la instalación</translation>
    </message>
    <message>
        <source>Estimate accuracy, below</source>
        <translation>Precisión de la estimación, por debajo</translation>
    </message>
    <message>
        <source>Estimate accuracy, above</source>
        <translation>Precisión de la estimación, por encima</translation>
    </message>
    <message>
        <source>Hurdle rate</source>
        <translation>Tasa mínima de rentabilidad</translation>
    </message>
    <message>
        <source>Initial outlay, with the one-off items at the start</source>
        <translation>Inversión inicial, con las partidas puntuales del inicio</translation>
    </message>
    <message>
        <source>Other annual savings</source>
        <translation>Otros ahorros anuales</translation>
    </message>
    <message>
        <source>One-off items</source>
        <translation>Partidas puntuales</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Every (years, 0 once)</source>
        <translation>Cada (años, 0 una vez)</translation>
    </message>
    <message>
        <source>Alternatives Considered</source>
        <translation>Alternativas consideradas</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Ahorro anual</translation>
    </message>
    <message>
        <source>Outlay</source>
        <translation>Inversión inicial</translation>
    </message>
    <message>
        <source>Discount rate (%)</source>
        <translation>Tasa de descuento (%)</translation>
    </message>
    <message>
        <source>NPV on hard savings</source>
        <translation>VAN con ahorros tangibles</translation>
    </message>
    <message>
        <source>Set against</source>
        <translation>Frente a</translation>
    </message>
    <message>
        <source>Incremental NPV</source>
        <translation>VAN incremental</translation>
    </message>
    <message>
        <source>Incremental IRR</source>
        <translation>TIR incremental</translation>
    </message>
    <message>
        <source>%1 less %2</source>
        <translation>%1 menos %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Compares the annual cost of lubricating a facility by hand with the cost of a Velmor automatic lubrication system.</source>
        <translation>Compara el coste anual de lubricar a mano una planta con el coste de un sistema de lubricación automática Velmor.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>A facility file (.velmor) to open.</source>
        <translation>Un archivo de planta (.velmor) que se abrirá.</translation>
    </message>
    <message>
        <source>one facility file at a time, not %1</source>
        <translation>un solo archivo de planta cada vez, no %1</translation>
    </message>
    <message>
        <source>--report needs the name of the PDF file to write</source>
        <translation>--report necesita el nombre del archivo PDF que se va a escribir</translation>
    </message>
    <message>
        <source>Shows the window and writes the report in LANGUAGE: %1.</source>
        <translation>Muestra la ventana y escribe el informe en el idioma LANGUAGE: %1.</translation>
    </message>
    <message>
        <source>no language &quot;%1&quot;; the languages are %2</source>
        <translation>no existe el idioma «%1»; los idiomas son %2</translation>
    </message>
    <message>
        <source>Writes the customer report of FILE, or of the default figures, to OUT as a PDF, without opening a window.</source>
        <translation>Escribe en OUT, como PDF, el informe para el cliente de FILE o de las cifras predeterminadas, sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>Writes the figures of FILE, or the default figures, to OUT as a workbook (.xlsx) whose costs are formulas, without opening a window.</source>
        <translation>Escribe en OUT las cifras de FILE, o las cifras predeterminadas, como libro de cálculo (.xlsx) cuyos costes son fórmulas, sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>one of --report, --workbook and --summary at a time</source>
        <translation>solo una de las opciones --report, --workbook y --summary cada vez</translation>
    </message>
    <message>
        <source>--summary needs the name of the file to write</source>
        <translation>--summary necesita el nombre del archivo que se va a escribir</translation>
    </message>
    <message>
        <source>--summary needs at least one facility file</source>
        <translation>--summary necesita al menos un archivo de planta</translation>
    </message>
    <message>
        <source>--workbook needs the name of the workbook to write</source>
        <translation>--workbook necesita el nombre del libro de cálculo que se va a escribir</translation>
    </message>
    <message>
        <source>Writes one row for each FILE (its totals, payback and net present value) and a total row to OUT, a .csv or .xlsx file. A file listed twice, by any name, is refused rather than counted twice.</source>
        <translation>Escribe en OUT, un archivo .csv o .xlsx, una fila por cada FILE (sus totales, plazo de recuperación y valor actual neto) y una fila de totales. Un archivo indicado dos veces, con cualquier nombre, se rechaza en lugar de contarse dos veces.</translation>
    </message>
    <message>
        <source>--%1 is given more than once; one file is written at a time</source>
        <translation>--%1 se indica más de una vez; se escribe un solo archivo cada vez</translation>
    </message>
    <message>
        <source>--summary lists %1 twice</source>
        <translation>--summary indica %1 dos veces</translation>
    </message>
    <message>
        <source>--summary lists one file twice, as %1 and as %2</source>
        <translation>--summary indica un mismo archivo dos veces, como %1 y como %2</translation>
    </message>
    <message>
        <source>Could not use the figures of %1. %2</source>
        <translation>No se han podido usar las cifras de %1. %2</translation>
    </message>
    <message>
        <source>The dates of column %1 could be day first or month first (03/04/2024); their order can be chosen in the window.</source>
        <translation>Las fechas de la columna %1 pueden empezar por el día o por el mes (03/04/2024); su orden puede elegirse en la ventana.</translation>
    </message>
    <message>
        <source>Reads a work-order export (.csv, .txt or .xlsx) with the columns guessed from its header and writes what its bearing failures and repair hours come to; with --report or --workbook, applies them to the figures of FILE, or the default figures, before writing.</source>
        <translation>Lee una exportación de órdenes de trabajo (.csv, .txt o .xlsx), reconoce las columnas por su encabezado y escribe el resultado de sus averías de rodamiento y horas de reparación; con --report o --workbook, lo aplica a las cifras de FILE, o a las cifras predeterminadas, antes de escribir.</translation>
    </message>
    <message>
        <source>--records is given more than once; one export is read at a time</source>
        <translation>--records se indica más de una vez; se lee una exportación cada vez</translation>
    </message>
    <message>
        <source>--records needs the name of the export to read</source>
        <translation>--records necesita el nombre de la exportación que se va a leer</translation>
    </message>
    <message>
        <source>--records goes with --report or --workbook, not with --summary</source>
        <translation>--records se usa con --report o --workbook, no con --summary</translation>
    </message>
    <message>
        <source>It has no sheet %1.</source>
        <translation>No tiene ninguna hoja %1.</translation>
    </message>
    <message>
        <source>--%1 goes with --records</source>
        <translation>--%1 se usa junto con --records</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 se indica más de una vez</translation>
    </message>
    <message>
        <source>--date-order is dmy or mdy, not &quot;%1&quot;</source>
        <translation>--date-order es dmy o mdy, no «%1»</translation>
    </message>
    <message>
        <source>With --records, reads the workbook&apos;s sheet SHEET, by its number from 1 or its name, instead of the first.</source>
        <translation>Con --records, lee la hoja SHEET del libro, por su número a partir de 1 o por su nombre, en lugar de la primera.</translation>
    </message>
    <message>
        <source>With --records, reads the columns named in COLUMNS (&quot;date=Datum,description=Text,repairHours=Ist-Arbeit&quot;; also asset, workType and downtimeHours) instead of those guessed from the header.</source>
        <translation>Con --records, lee las columnas indicadas en COLUMNS («date=Datum,description=Text,repairHours=Ist-Arbeit»; también asset, workType y downtimeHours) en lugar de las deducidas del encabezado.</translation>
    </message>
    <message>
        <source>With --records, counts the work orders whose type or description holds one of WORDS (separated by commas) as bearing failures; given, no failure found is a result, not a refusal.</source>
        <translation>Con --records, cuenta como fallos de rodamientos las órdenes de trabajo cuyo tipo o descripción contiene una de las WORDS (separadas por comas); si se indican, no encontrar ningún fallo es un resultado, no un rechazo.</translation>
    </message>
    <message>
        <source>With --records, reads dates such as 03/04/2024 day first (dmy) or month first (mdy) where the export does not tell.</source>
        <translation>Con --records, lee fechas como 03/04/2024 con el día primero (dmy) o el mes primero (mdy) cuando la exportación no lo indica.</translation>
    </message>
    <message>
        <source>With --records, counts only the work orders of the work types TYPES (separated by commas, e.g. &quot;CM,EM&quot;) as failures, instead of the corrective and breakdown types guessed from the work-type column.</source>
        <translation>Con --records, cuenta como fallos solo las órdenes de trabajo de los tipos TYPES (separados por comas, p. ej. «CM,EM»), en lugar de los tipos correctivos y de avería deducidos de la columna de tipo de orden.</translation>
    </message>
    <message>
        <source>--installed takes a date such as 2024-03-01, not &quot;%1&quot;</source>
        <translation>--installed espera una fecha como 2024-03-01, no «%1»</translation>
    </message>
    <message>
        <source>With --records, checks the failures before the system was installed on DATE (2024-03-01) against those after it, beside the reduction the case assumes.</source>
        <translation>Con --records, compara los fallos anteriores a la instalación del sistema el DATE (2024-03-01) con los posteriores, junto a la reducción supuesta.</translation>
    </message>
    <message>
        <source>--repeat-days takes a number of days from 0 to %1, not &quot;%2&quot;</source>
        <translation>--repeat-days espera un número de días de 0 a %1, no «%2»</translation>
    </message>
    <message>
        <source>With --records, counts the failures from FROM to TO (2023-01-01:2024-12-31), the period the export covers, instead of from its first order to its last.</source>
        <translation>Con --records, cuenta las averías de FROM a TO (2023-01-01:2024-12-31), el periodo que cubre la exportación, en lugar de su primera orden a la última.</translation>
    </message>
    <message>
        <source>With --records, counts orders on one asset within DAYS days of each other as one failure (7 unless given).</source>
        <translation>Con --records, cuenta como una avería las órdenes de un equipo separadas por DAYS días o menos (7 si no se indica).</translation>
    </message>
    <message>
        <source>With --records, values the lost production of a failure over the export&apos;s mean downtime instead of the repair hours, where the export has downtime hours.</source>
        <translation>Con --records, valora la producción perdida de una avería por el tiempo de parada medio de la exportación en lugar de las horas de reparación, si la exportación tiene horas de parada.</translation>
    </message>
</context>
<context>
    <name>platform::ChartControl</name>
    <message>
        <source>negative figures not drawn</source>
        <translation>las cifras negativas no se dibujan</translation>
    </message>
</context>
</TS>
