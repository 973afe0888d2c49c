<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AlternativesDialog</name>
    <message>
        <source>Alternatives</source>
        <translation>Alternativas</translation>
    </message>
    <message>
        <source>The selected option, in bold, is the one the Business Case window, the tables and the report show. To change another option, select it: its investment then stands in the Business Case window&apos;s fields, and its reductions in Assumptions… once that window is closed with OK.</source>
        <translation>A alternativa selecionada, em negrito, é a que a janela Análise de Investimento, as tabelas e o relatório mostram. Para alterar outra alternativa, selecione-a: seu investimento passa então aos campos da janela Análise de Investimento, e suas reduções a Premissas… depois que essa janela for fechada com OK.</translation>
    </message>
    <message>
        <source>&amp;Add Option…</source>
        <translation>&amp;Adicionar alternativa…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renomear…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;mover</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Selecionar</translation>
    </message>
    <message>
        <source>The case weighs one option against doing nothing. Add an option to set others beside it.</source>
        <translation>A análise compara uma única alternativa com não fazer nada. Adicione uma alternativa para colocar outras ao lado.</translation>
    </message>
    <message>
        <source>Name of the option:</source>
        <translation>Nome da alternativa:</translation>
    </message>
    <message>
        <source>An option needs a name.</source>
        <translation>Uma alternativa precisa de um nome.</translation>
    </message>
    <message>
        <source>An option&apos;s name holds at most %1 characters.</source>
        <translation>O nome de uma alternativa tem no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The case already has an option named %1.</source>
        <translation>Já existe uma alternativa chamada %1.</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Alternativa %1</translation>
    </message>
    <message>
        <source>Add Option</source>
        <translation>Adicionar alternativa</translation>
    </message>
    <message>
        <source>Rename Option</source>
        <translation>Renomear alternativa</translation>
    </message>
</context>
<context>
    <name>AlternativesText</name>
    <message>
        <source>No system price is given.</source>
        <translation>Nenhum preço do sistema foi informado.</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Não fazer nada</translation>
    </message>
    <message>
        <source>Automatic lubrication</source>
        <translation>Lubrificação automática</translation>
    </message>
    <message>
        <source>Set against</source>
        <translation>Comparada com</translation>
    </message>
    <message>
        <source>Added outlay</source>
        <translation>Investimento inicial adicional</translation>
    </message>
    <message>
        <source>Incremental NPV</source>
        <translation>VPL incremental</translation>
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
        <translation>Economia anual</translation>
    </message>
    <message>
        <source>Outlay</source>
        <translation>Investimento inicial</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valor presente líquido</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>Taxa interna de retorno</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Payback</translation>
    </message>
    <message>
        <source>NPV on hard savings</source>
        <translation>VPL com economias tangíveis</translation>
    </message>
    <message>
        <source>No option has a net present value above zero: doing nothing costs least.</source>
        <translation>Nenhuma alternativa tem valor presente líquido positivo: não fazer nada é o que menos custa.</translation>
    </message>
    <message>
        <source>Of the options considered, %1 has the highest net present value, %2.</source>
        <translation>Das alternativas consideradas, %1 tem o maior valor presente líquido, %2.</translation>
    </message>
    <message>
        <source>Each option is set against the next cheaper one: its incremental net present value and rate of return are those of what it costs and saves beyond that one, and its added outlay pays where the incremental net present value is above zero.</source>
        <translation>Cada alternativa é comparada com a próxima mais barata: seu valor presente líquido e sua taxa de retorno incrementais são os do que ela custa e economiza além daquela, e seu investimento inicial adicional compensa quando o valor presente líquido incremental é positivo.</translation>
    </message>
    <message>
        <source>The other pages show %1.</source>
        <translation>As demais páginas mostram %1.</translation>
    </message>
    <message>
        <source>%1 is not evaluated: %2</source>
        <translation>%1 não é avaliada: %2</translation>
    </message>
    <message>
        <source>%1 is evaluated over another period, at another rate or timing than %2, so their flows are not set against each other.</source>
        <translation>%1 é avaliada em outro período, a outra taxa ou em outro momento dos fluxos que %2, por isso seus fluxos não são comparados.</translation>
    </message>
</context>
<context>
    <name>ArithmeticFault</name>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>Invalid operation</source>
        <translation>Operação inválida</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Automatic Lubrication Systems</source>
        <extracomment>tag line under the VELMOR wordmark; about 30 characters fit the Your Data banner at full size</extracomment>
        <translation>Lubrificação automática</translation>
    </message>
    <message>
        <source>Velmor Automatic Lubrication Systems · Cost Savings Calculator</source>
        <extracomment>title band of the main window; a longer title is drawn a little smaller, or on two lines</extracomment>
        <translation>Sistemas de Lubrificação Automática Velmor · Calculadora de Economia</translation>
    </message>
    <message>
        <source>HALDMARK®, Inc. · 1200 Industrial Parkway · Springfield, OH  45501</source>
        <extracomment>the maker&apos;s postal address in the main window&apos;s footer; keep it, adding the country where readers need it</extracomment>
        <translation>HALDMARK®, Inc. · 1200 Industrial Parkway · Springfield, OH  45501, EUA</translation>
    </message>
    <message>
        <source>Phone %1 · Fax %2 · %3</source>
        <extracomment>main window&apos;s footer: %1 phone number, %2 fax number, %3 web site</extracomment>
        <translation>Telefone %1 · Fax %2 · %3</translation>
    </message>
    <message>
        <source>Centralized lubrication that pays for itself</source>
        <extracomment>slogan in the results&apos; banner; it may take two lines</extracomment>
        <translation>Lubrificação centralizada que se paga sozinha</translation>
    </message>
    <message>
        <source>Lubrication Systems</source>
        <extracomment>short tag line under the VELMOR wordmark; about 22 characters fit at full size</extracomment>
        <translation>Sistemas de Lubrificação</translation>
    </message>
    <message>
        <source>Centralized lubrication systems</source>
        <extracomment>subtitle under the maker&apos;s logotype in the About window</extracomment>
        <translation>Sistemas de Lubrificação Centralizada</translation>
    </message>
    <message>
        <source>Engineering tools
for industry
since 1994</source>
        <extracomment>the software designer&apos;s motto in the About window: three short lines, each about 18 characters</extracomment>
        <translation>Ferramentas de engenharia
para a indústria
desde 1994</translation>
    </message>
</context>
<context>
    <name>AssetTableText</name>
    <message>
        <source>Asset</source>
        <translation>Equipamento</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Falhas</translation>
    </message>
    <message>
        <source>A year</source>
        <translation>Por ano</translation>
    </message>
    <message>
        <source>Share of all failures</source>
        <translation>Parcela de todas as falhas</translation>
    </message>
    <message>
        <source>Median repair hours</source>
        <translation>Horas de reparo (mediana)</translation>
    </message>
    <message>
        <source>Median downtime hours</source>
        <translation>Horas de parada (mediana)</translation>
    </message>
    <message>
        <source>Repeat failures</source>
        <translation>Falhas repetidas</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>In the column &quot;Repeat failures&quot;, for an asset that failed three times or more.</extracomment>
        <translation>sim</translation>
    </message>
</context>
<context>
    <name>AssumptionsDialog</name>
    <message>
        <source>Assumptions</source>
        <translation>Premissas</translation>
    </message>
    <message>
        <source>How much of each annual cost a Velmor automatic lubrication system is assumed to save, in percent (0 to 100, in tenths):</source>
        <translation>Quanto de cada custo anual um sistema de lubrificação automática Velmor deve economizar, em porcentagem (de 0 a 100, em décimos):</translation>
    </message>
    <message>
        <source>%1 (%):</source>
        <translation>%1 (%):</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>The reduction of %1 %2 is not a percentage from 0 to 100 with at most one decimal.</source>
        <translation>O valor %2 informado como redução de %1 não é uma porcentagem de 0 a 100 com no máximo uma casa decimal.</translation>
    </message>
    <message>
        <source>Split the savings into hard (cash the plant no longer pays) and soft</source>
        <translation>Separar as economias em tangíveis (dinheiro que a planta deixa de pagar) e intangíveis</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Em caixa</translation>
    </message>
    <message>
        <source>e.g. overtime no longer paid</source>
        <translation>p. ex., horas extras não mais pagas</translation>
    </message>
    <message>
        <source>The freed lubrication hours go to:</source>
        <translation>As horas de lubrificação liberadas vão para:</translation>
    </message>
    <message>
        <source>How a failure&apos;s stop is valued; empty fields keep the production value per hour over the hours to replace a bearing:</source>
        <translation>Como a parada por uma falha é valorada; campos vazios mantêm o valor de produção por hora ao longo das horas de troca de um rolamento:</translation>
    </message>
    <message>
        <source>Contribution margin (% of the production value)</source>
        <translation>Margem de contribuição (% do valor de produção)</translation>
    </message>
    <message>
        <source>Lost output made up later (%)</source>
        <translation>Produção perdida recuperada depois (%)</translation>
    </message>
    <message>
        <source>People standing idle during a stop</source>
        <translation>Pessoas paradas durante uma parada</translation>
    </message>
    <message>
        <source>Their hourly rate (%1/hour)</source>
        <translation>Sua taxa horária (%1/hora)</translation>
    </message>
    <message>
        <source>Stop per failure (hours)</source>
        <translation>Parada por falha (horas)</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A field&apos;s caption before the field.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>The plant is sold out: every hour lost is revenue lost</source>
        <translation>A planta vende tudo o que produz: cada hora perdida é receita perdida</translation>
    </message>
    <message>
        <source>The %1 %2 is not a number from 0 to %3.</source>
        <translation>O campo %1 %2 não é um número de 0 a %3.</translation>
    </message>
</context>
<context>
    <name>BusinessCase</name>
    <message>
        <source>The %1 %2 %3.</source>
        <translation>O valor %2 informado para %1 %3.</translation>
    </message>
    <message>
        <source>installed system price</source>
        <translation>o preço do sistema instalado</translation>
    </message>
    <message>
        <source>is not a sum of money</source>
        <translation>não é uma quantia em dinheiro</translation>
    </message>
    <message>
        <source>installation cost</source>
        <translation>o custo de instalação</translation>
    </message>
    <message>
        <source>annual upkeep</source>
        <translation>a manutenção anual</translation>
    </message>
    <message>
        <source>evaluation period</source>
        <translation>o período de avaliação</translation>
    </message>
    <message>
        <source>is not a whole number of years from 1 to 50</source>
        <translation>não é um número inteiro de anos de 1 a 50</translation>
    </message>
    <message>
        <source>discount rate</source>
        <translation>a taxa de desconto</translation>
    </message>
    <message>
        <source>is more than %1</source>
        <translation>é maior que %1</translation>
    </message>
    <message>
        <source>is not a percentage from %1 to %2</source>
        <translation>não é uma porcentagem de %1 a %2</translation>
    </message>
    <message>
        <source>An installed system price is needed: without it the installation cost and the annual upkeep are not evaluated.</source>
        <translation>É preciso informar o preço do sistema instalado: sem ele, o custo de instalação e a manutenção anual não são avaliados.</translation>
    </message>
    <message>
        <source>annual escalation of the labor rates</source>
        <translation>o reajuste anual do valor da hora</translation>
    </message>
    <message>
        <source>annual escalation of the lubricant price</source>
        <translation>o reajuste anual do preço do lubrificante</translation>
    </message>
    <message>
        <source>annual escalation of the bearing price</source>
        <translation>o reajuste anual do preço do rolamento</translation>
    </message>
    <message>
        <source>annual escalation of the production value</source>
        <translation>o reajuste anual do valor da produção</translation>
    </message>
    <message>
        <source>annual escalation of the upkeep</source>
        <translation>o reajuste anual da manutenção</translation>
    </message>
    <message>
        <source>income tax rate</source>
        <translation>a alíquota do imposto de renda</translation>
    </message>
    <message>
        <source>declining-balance rate</source>
        <translation>a taxa de depreciação por saldo decrescente</translation>
    </message>
    <message>
        <source>first-year share of the savings</source>
        <translation>a parcela da economia no primeiro ano</translation>
    </message>
    <message>
        <source>depreciation period</source>
        <translation>o prazo de depreciação</translation>
    </message>
    <message>
        <source>residual value</source>
        <translation>o valor residual</translation>
    </message>
    <message>
        <source>contingency</source>
        <translation>contingência</translation>
    </message>
    <message>
        <source>accuracy below the estimate</source>
        <translation>precisão abaixo da estimativa</translation>
    </message>
    <message>
        <source>accuracy above the estimate</source>
        <translation>precisão acima da estimativa</translation>
    </message>
    <message>
        <source>hurdle rate</source>
        <translation>taxa mínima de atratividade</translation>
    </message>
</context>
<context>
    <name>BusinessCaseText</name>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 meses</translation>
    </message>
    <message>
        <source>Initial investment (price and installation): %1</source>
        <translation>Investimento inicial (preço e instalação): %1</translation>
    </message>
    <message>
        <source>Annual upkeep of the system: %1</source>
        <translation>Manutenção anual do sistema: %1</translation>
    </message>
    <message>
        <source>Annual savings after upkeep: %1</source>
        <translation>Economia anual após a manutenção: %1</translation>
    </message>
    <message>
        <source>Simple payback: %1</source>
        <translation>Payback simples: %1</translation>
    </message>
    <message>
        <source>Simple payback: none, the annual savings do not exceed the upkeep</source>
        <translation>Payback simples: nenhum, a economia anual não supera a manutenção</translation>
    </message>
    <message numerus="yes">
        <source>Return on investment over %1 year(s): none, nothing is invested</source>
        <translation>
            <numerusform>Retorno sobre o investimento em %1 ano: nenhum, não há investimento</numerusform>
            <numerusform>Retorno sobre o investimento em %1 anos: nenhum, não há investimento</numerusform>
        </translation>
    </message>
    <message>
        <source>Net present value at %1: %2</source>
        <translation>Valor presente líquido a %1: %2</translation>
    </message>
    <message>
        <source>Internal rate of return: %1</source>
        <translation>Taxa interna de retorno: %1</translation>
    </message>
    <message>
        <source>Internal rate of return: none, the cash flows never change sign</source>
        <translation>Taxa interna de retorno: nenhuma, os fluxos de caixa nunca mudam de sinal</translation>
    </message>
    <message>
        <source>Discounted payback: %1 years</source>
        <translation>Payback descontado: %1 anos</translation>
    </message>
    <message numerus="yes">
        <source>Discounted payback: not within the %1 year(s)</source>
        <translation>
            <numerusform>Payback descontado: não ocorre em %1 ano</numerusform>
            <numerusform>Payback descontado: não ocorre nos %1 anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start; the annual net is the annual savings less the annual upkeep, received at the end of each year over the %1 year(s) evaluated. Simple payback = investment ÷ (annual net ÷ 12) months. Return on investment = (savings × years − upkeep × years − investment) ÷ investment. Net present value = −investment + Σ annual net ÷ (1 + rate)^t for t = 1 to %1, at a discount rate of %2. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted annual nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</source>
        <translation>
            <numerusform>Como os indicadores são calculados. O investimento é o preço do sistema mais a sua instalação, pago no início; o fluxo líquido anual é a economia anual menos a manutenção anual, recebido no fim de cada ano ao longo do período avaliado de %1 ano. Payback simples = investimento ÷ (fluxo líquido anual ÷ 12) meses. Retorno sobre o investimento = (economia × anos − manutenção × anos − investimento) ÷ investimento. Valor presente líquido = −investimento + Σ fluxo líquido anual ÷ (1 + taxa)^t para t = 1 a %1, a uma taxa de desconto de %2. A taxa interna de retorno é a taxa na qual o valor presente líquido é zero. O payback descontado é o tempo até que os fluxos líquidos anuais descontados cubram o investimento. O cenário conservador reduz à metade cada redução prevista; o cenário otimista leva cada redução até a metade do caminho para 100%.</numerusform>
            <numerusform>Como os indicadores são calculados. O investimento é o preço do sistema mais a sua instalação, pago no início; o fluxo líquido anual é a economia anual menos a manutenção anual, recebido no fim de cada ano ao longo dos %1 anos avaliados. Payback simples = investimento ÷ (fluxo líquido anual ÷ 12) meses. Retorno sobre o investimento = (economia × anos − manutenção × anos − investimento) ÷ investimento. Valor presente líquido = −investimento + Σ fluxo líquido anual ÷ (1 + taxa)^t para t = 1 a %1, a uma taxa de desconto de %2. A taxa interna de retorno é a taxa na qual o valor presente líquido é zero. O payback descontado é o tempo até que os fluxos líquidos anuais descontados cubram o investimento. O cenário conservador reduz à metade cada redução prevista; o cenário otimista leva cada redução até a metade do caminho para 100%.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not yet paid back</source>
        <translation>Ainda não recuperado</translation>
    </message>
    <message>
        <source>Paid back</source>
        <translation>Recuperado</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Change of the annual savings ($) at ±%1%</source>
        <translation>Variação da economia anual ($) a ±%1%</translation>
    </message>
    <message>
        <source>Lowered by %1%</source>
        <translation>Reduzido em %1%</translation>
    </message>
    <message>
        <source>Raised by %1%</source>
        <translation>Aumentado em %1%</translation>
    </message>
    <message>
        <source>Bearings in facility</source>
        <translation>Rolamentos na planta</translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation>Falhas de rolamentos</translation>
    </message>
    <message>
        <source>Lubrication points</source>
        <translation>Pontos de lubrificação</translation>
    </message>
    <message>
        <source>Lubrication frequency</source>
        <translation>Frequência de lubrificação</translation>
    </message>
    <message>
        <source>Lubricant quantity</source>
        <translation>Quantidade de lubrificante</translation>
    </message>
    <message>
        <source>Hourly production rate</source>
        <translation>Valor da produção por hora</translation>
    </message>
    <message>
        <source>Cost of lubricant</source>
        <translation>Custo do lubrificante</translation>
    </message>
    <message>
        <source>Cost of a bearing</source>
        <translation>Custo de um rolamento</translation>
    </message>
    <message>
        <source>Lubrication labor rate</source>
        <translation>Valor/hora da lubrificação</translation>
    </message>
    <message>
        <source>Replacement labor rate</source>
        <translation>Valor/hora da troca de rolamentos</translation>
    </message>
    <message>
        <source>Time to lubricate a point</source>
        <translation>Tempo para lubrificar um ponto</translation>
    </message>
    <message>
        <source>Time to replace a bearing</source>
        <translation>Tempo para trocar um rolamento</translation>
    </message>
    <message>
        <source>Lubrication labor reduction (%1%)</source>
        <translation>Redução M.O. de lubrificação (%1%)</translation>
    </message>
    <message>
        <source>Lubricant reduction (%1%)</source>
        <translation>Redução do lubrificante (%1%)</translation>
    </message>
    <message>
        <source>Bearings reduction (%1%)</source>
        <translation>Redução dos rolamentos (%1%)</translation>
    </message>
    <message>
        <source>Replacement labor reduction (%1%)</source>
        <translation>Redução M.O. de troca de rolamentos (%1%)</translation>
    </message>
    <message>
        <source>Lost production reduction (%1%)</source>
        <translation>Redução da produção perdida (%1%)</translation>
    </message>
    <message>
        <source>Conservative</source>
        <translation>Conservador</translation>
    </message>
    <message>
        <source>Assumed</source>
        <translation>Cenário base</translation>
    </message>
    <message>
        <source>Optimistic</source>
        <translation>Otimista</translation>
    </message>
    <message>
        <source>Simple payback: none, nothing is invested</source>
        <translation>Payback simples: nenhum, nada é investido</translation>
    </message>
    <message>
        <source>Discounted payback: none, nothing is invested</source>
        <translation>Payback descontado: nenhum, nada é investido</translation>
    </message>
    <message numerus="yes">
        <source>not within %n year(s)</source>
        <translation>
            <numerusform>não ocorre em %n ano</numerusform>
            <numerusform>não ocorre em %n anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Simple payback: not within the %n year(s) evaluated (%1 months at the last year&apos;s pace)</source>
        <translation>
            <numerusform>Payback simples: não ocorre no %n ano avaliado (%1 meses no ritmo do último ano)</numerusform>
            <numerusform>Payback simples: não ocorre nos %n anos avaliados (%1 meses no ritmo do último ano)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return on investment, undiscounted, over %1 year(s): %2 (%3 a year)</source>
        <translation>
            <numerusform>Retorno sobre o investimento, sem desconto, em %1 ano: %2 (%3 ao ano)</numerusform>
            <numerusform>Retorno sobre o investimento, sem desconto, em %1 anos: %2 (%3 ao ano)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return on investment, undiscounted, over %1 year(s): %2</source>
        <translation>
            <numerusform>Retorno sobre o investimento, sem desconto, em %1 ano: %2</numerusform>
            <numerusform>Retorno sobre o investimento, sem desconto, em %1 anos: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Profitability index: %1</source>
        <translation>Índice de lucratividade: %1</translation>
    </message>
    <message>
        <source>Break-even system price: %1</source>
        <translation>Preço do sistema no ponto de equilíbrio: %1</translation>
    </message>
    <message>
        <source>The case holds even without any reduction.</source>
        <translation>O investimento se justifica mesmo sem nenhuma redução.</translation>
    </message>
    <message>
        <source>The case holds down to %1 of the assumed reductions.</source>
        <translation>O investimento se justifica até com %1 das reduções previstas.</translation>
    </message>
    <message>
        <source>The case needs %1 of the assumed reductions to break even.</source>
        <translation>O ponto de equilíbrio exige %1 das reduções previstas.</translation>
    </message>
    <message>
        <source>Break-even bearing failures: %1 a year</source>
        <translation>Falhas de rolamentos no ponto de equilíbrio: %1 por ano</translation>
    </message>
    <message>
        <source>Break-even bearing failures: none, the case holds even without failures</source>
        <translation>Falhas de rolamentos no ponto de equilíbrio: nenhuma, o investimento se justifica mesmo sem falhas</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>The profitability index is the net present value ÷ investment + 1; the annual return is the one that, compounded over the years, gives the return on investment.</source>
        <translation>O índice de lucratividade é o valor presente líquido ÷ investimento + 1; o retorno anual é aquele que, capitalizado ao longo dos anos, resulta no retorno sobre o investimento.</translation>
    </message>
    <message>
        <source>Cumulative discounted cash flow ($)</source>
        <translation>Fluxo de caixa descontado acumulado ($)</translation>
    </message>
    <message>
        <source>Cumulative cash flow, undiscounted ($)</source>
        <translation>Fluxo de caixa acumulado, sem desconto ($)</translation>
    </message>
    <message>
        <source>System price</source>
        <translation>Preço do sistema</translation>
    </message>
    <message>
        <source>Installation cost</source>
        <translation>Custo de instalação</translation>
    </message>
    <message>
        <source>Annual upkeep</source>
        <translation>Manutenção anual</translation>
    </message>
    <message>
        <source>Discount rate (%1%)</source>
        <translation>Taxa de desconto (%1%)</translation>
    </message>
    <message>
        <source>Labor rates&apos; escalation (%1%)</source>
        <translation>Reajuste do valor da hora (%1%)</translation>
    </message>
    <message>
        <source>Lubricant price&apos;s escalation (%1%)</source>
        <translation>Reajuste do preço do lubrificante (%1%)</translation>
    </message>
    <message>
        <source>Bearing price&apos;s escalation (%1%)</source>
        <translation>Reajuste do preço dos rolamentos (%1%)</translation>
    </message>
    <message>
        <source>Production value&apos;s escalation (%1%)</source>
        <translation>Reajuste do valor da produção (%1%)</translation>
    </message>
    <message>
        <source>Upkeep&apos;s escalation (%1%)</source>
        <translation>Reajuste da manutenção (%1%)</translation>
    </message>
    <message>
        <source>Income tax rate (%1%)</source>
        <translation>Alíquota do imposto de renda (%1%)</translation>
    </message>
    <message>
        <source>Change of the net present value ($) at ±%1%</source>
        <translation>Variação do valor presente líquido ($) com ±%1%</translation>
    </message>
    <message>
        <source>Net present value ($) as the five strongest inputs move</source>
        <translation>Valor presente líquido ($) com a variação dos cinco dados mais influentes</translation>
    </message>
    <message>
        <source>Change of the input (%)</source>
        <translation>Variação do dado (%)</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message numerus="yes">
        <source>Simple payback: not within the %n year(s) evaluated (%1 months at the last year&apos;s pace without its depreciation&apos;s tax credit)</source>
        <translation>
            <numerusform>Payback simples: não ocorre no %n ano avaliado (%1 meses no ritmo do último ano, sem o benefício fiscal da sua depreciação)</numerusform>
            <numerusform>Payback simples: não ocorre nos %n anos avaliados (%1 meses no ritmo do último ano, sem o benefício fiscal da sua depreciação)</numerusform>
        </translation>
    </message>
    <message>
        <source>Simple payback: %1, but the cumulative net is below zero again from year %2</source>
        <translation>Payback simples: %1, mas o fluxo líquido acumulado volta a ficar negativo a partir do ano %2</translation>
    </message>
    <message>
        <source>Simple payback: never, the annual nets after upkeep and tax do not recover the outlay</source>
        <translation>Payback simples: nunca, os fluxos líquidos anuais após manutenção e imposto não cobrem o investimento</translation>
    </message>
    <message>
        <source>Discounted payback: %1 years, but the discounted cumulative net is below zero again from year %2</source>
        <translation>Payback descontado: %1 anos, mas o fluxo líquido descontado acumulado volta a ficar negativo a partir do ano %2</translation>
    </message>
    <message>
        <source>Discounted payback: never, the annual nets after upkeep and tax do not recover the outlay</source>
        <translation>Payback descontado: nunca, os fluxos líquidos anuais após manutenção e imposto não cobrem o investimento</translation>
    </message>
    <message>
        <source>Discounted payback: none, the annual savings do not exceed the upkeep</source>
        <translation>Payback descontado: nenhum, a economia anual não supera a manutenção</translation>
    </message>
    <message>
        <source>Net of year 1, before tax: %1</source>
        <translation>Fluxo líquido do ano 1, antes do imposto: %1</translation>
    </message>
    <message>
        <source>Break-even system price: none, even a free system has a negative net present value</source>
        <translation>Preço do sistema no ponto de equilíbrio: nenhum, mesmo um sistema gratuito tem valor presente líquido negativo</translation>
    </message>
    <message>
        <source>each year&apos;s savings, upkeep and tax spread over the year and discounted by 1 ÷ (1 + rate)^(t − ½), the residual value at the period&apos;s end by 1 ÷ (1 + rate)^t</source>
        <translation>a economia, a manutenção e o imposto de cada ano distribuídos ao longo do ano e descontados por 1 ÷ (1 + taxa)^(t − ½), o valor residual no fim do período por 1 ÷ (1 + taxa)^t</translation>
    </message>
    <message>
        <source>each year&apos;s net received at the year&apos;s end and discounted by 1 ÷ (1 + rate)^t</source>
        <translation>o fluxo líquido de cada ano recebido no fim do ano e descontado por 1 ÷ (1 + taxa)^t</translation>
    </message>
    <message numerus="yes">
        <source>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start. Each year&apos;s net is that year&apos;s savings less its upkeep and tax, and in the last of the %1 year(s) evaluated plus the residual value after tax, as the cash-flow table shows. Simple payback is the months until the cumulative net reaches zero, in proportion within the year that reaches it, and beyond the period at the last year&apos;s pace without its depreciation&apos;s tax credit. Return on investment = (Σ savings − Σ upkeep − Σ tax + residual value after tax − investment) ÷ investment. Net present value = −investment + Σ of the nets at a discount rate of %2, %3. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</source>
        <translation>
            <numerusform>Como os indicadores são calculados. O investimento é o preço do sistema mais a sua instalação, pago no início. O fluxo líquido de cada ano é a sua economia menos a sua manutenção e imposto e, no último ano do período avaliado de %1 ano, mais o valor residual após imposto, como mostra a tabela de fluxo de caixa. O payback simples são os meses até que o fluxo líquido acumulado chegue a zero, proporcionalmente dentro do ano em que chega, e além do período no ritmo do último ano sem o benefício fiscal da sua depreciação. Retorno sobre o investimento = (Σ economia − Σ manutenção − Σ imposto + valor residual após imposto − investimento) ÷ investimento. Valor presente líquido = −investimento + Σ dos fluxos líquidos a uma taxa de desconto de %2, %3. A taxa interna de retorno é a taxa na qual o valor presente líquido é zero. O payback descontado é o tempo até que os fluxos líquidos descontados cubram o investimento. O cenário conservador reduz à metade cada redução suposta; o otimista leva cada redução a meio caminho de 100%.</numerusform>
            <numerusform>Como os indicadores são calculados. O investimento é o preço do sistema mais a sua instalação, pago no início. O fluxo líquido de cada ano é a sua economia menos a sua manutenção e imposto e, no último dos %1 anos avaliados, mais o valor residual após imposto, como mostra a tabela de fluxo de caixa. O payback simples são os meses até que o fluxo líquido acumulado chegue a zero, proporcionalmente dentro do ano em que chega, e além do período no ritmo do último ano sem o benefício fiscal da sua depreciação. Retorno sobre o investimento = (Σ economia − Σ manutenção − Σ imposto + valor residual após imposto − investimento) ÷ investimento. Valor presente líquido = −investimento + Σ dos fluxos líquidos a uma taxa de desconto de %2, %3. A taxa interna de retorno é a taxa na qual o valor presente líquido é zero. O payback descontado é o tempo até que os fluxos líquidos descontados cubram o investimento. O cenário conservador reduz à metade cada redução suposta; o otimista leva cada redução a meio caminho de 100%.</numerusform>
        </translation>
    </message>
    <message>
        <source>The case needs %1 of the assumed reductions to break even, which no plant reaches: the largest reduction would be %2.</source>
        <translation>O caso precisa de %1 das reduções supostas para atingir o ponto de equilíbrio, o que nenhuma planta alcança: a maior redução seria de %2.</translation>
    </message>
    <message>
        <source>No break-even reduction or failure count: the savings do not change the net present value.</source>
        <translation>Não há redução nem número de falhas de equilíbrio: a economia não altera o valor presente líquido.</translation>
    </message>
    <message>
        <source>Simple payback: never, the annual nets after upkeep do not recover the outlay</source>
        <translation>Payback simples: nunca, os fluxos líquidos anuais após a manutenção não cobrem o investimento</translation>
    </message>
    <message>
        <source>Discounted payback: never, the annual nets after upkeep do not recover the outlay</source>
        <translation>Payback descontado: nunca, os fluxos líquidos anuais após a manutenção não cobrem o investimento</translation>
    </message>
    <message>
        <source>On hard savings alone (%1 in year 1): net present value %2, internal rate of return %3, simple payback %4</source>
        <translation>Somente com economias tangíveis (%1 no ano 1): valor presente líquido %2, taxa interna de retorno %3, payback simples %4</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: the internal rate of return of %2 meets it; the net present value at %1 is %3.</source>
        <translation>Diante da taxa mínima de atratividade de %1: a taxa interna de retorno de %2 a atinge; o valor presente líquido a %1 é %3.</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: the internal rate of return of %2 falls short of it; the net present value at %1 is %3.</source>
        <translation>Diante da taxa mínima de atratividade de %1: a taxa interna de retorno de %2 não a atinge; o valor presente líquido a %1 é %3.</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: no single rate of return, but the net present value at %1 is %2, so the case meets it.</source>
        <translation>Diante da taxa mínima de atratividade de %1: não há uma única taxa de retorno, mas o valor presente líquido a %1 é %2, então o investimento a atinge.</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: no single rate of return, and the net present value at %1 is %2, so the case falls short of it.</source>
        <translation>Diante da taxa mínima de atratividade de %1: não há uma única taxa de retorno, e o valor presente líquido a %1 é %2, então o investimento não a atinge.</translation>
    </message>
    <message>
        <source>Initial investment (price, installation and %1 contingency): %2</source>
        <translation>Investimento inicial (preço, instalação e %1 de contingência): %2</translation>
    </message>
    <message>
        <source>Estimate accuracy %1 / +%2: an outlay of %3 to %4</source>
        <translation>Precisão da estimativa %1 / +%2: um investimento inicial de %3 a %4</translation>
    </message>
    <message>
        <source>The investment includes a contingency of %1 on the price and installation.</source>
        <translation>O investimento inclui uma contingência de %1 sobre o preço e a instalação.</translation>
    </message>
    <message>
        <source>Initial outlay, with the one-off items at the start: %1</source>
        <translation>Investimento inicial, com os itens pontuais do início: %1</translation>
    </message>
    <message>
        <source>Internal rate of return: none, the cash flows change sign more than once</source>
        <translation>Taxa interna de retorno: nenhuma, os fluxos de caixa mudam de sinal mais de uma vez</translation>
    </message>
    <message>
        <source>Net present value at other rates: %1</source>
        <translation>O valor presente líquido a outras taxas: %1</translation>
    </message>
</context>
<context>
    <name>BusinessCaseWindow</name>
    <message>
        <source>Business Case</source>
        <translation>Análise de Investimento</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Indicadores</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>Cenários</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Cenário</translation>
    </message>
    <message>
        <source>Reductions</source>
        <translation>Reduções</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Economia anual</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Payback</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valor presente líquido</translation>
    </message>
    <message>
        <source>Step of the sensitivity (±%):</source>
        <translation>Passo da sensibilidade (±%):</translation>
    </message>
    <message>
        <source>Enter the installed system price to see the payback, the return on investment, the net present value and the internal rate of return.</source>
        <translation>Informe o preço do sistema instalado para ver o payback, o retorno sobre o investimento, o valor presente líquido e a taxa interna de retorno.</translation>
    </message>
    <message>
        <source>Capital</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Labor rates&apos; escalation (% a year):</source>
        <translation>Reajuste do valor da hora (% ao ano):</translation>
    </message>
    <message>
        <source>Lubricant price&apos;s escalation (% a year):</source>
        <translation>Reajuste do preço do lubrificante (% ao ano):</translation>
    </message>
    <message>
        <source>Bearing price&apos;s escalation (% a year):</source>
        <translation>Reajuste do preço do rolamento (% ao ano):</translation>
    </message>
    <message>
        <source>Production value&apos;s escalation (% a year):</source>
        <translation>Reajuste do valor da produção (% ao ano):</translation>
    </message>
    <message>
        <source>Upkeep&apos;s escalation (% a year):</source>
        <translation>Reajuste da manutenção (% ao ano):</translation>
    </message>
    <message>
        <source>Income tax rate (%):</source>
        <translation>Alíquota do imposto de renda (%):</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Straight-line</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Declining balance</source>
        <translation>Saldo decrescente</translation>
    </message>
    <message>
        <source>Depreciation:</source>
        <translation>Depreciação:</translation>
    </message>
    <message>
        <source>Depreciation period (years):</source>
        <translation>Prazo de depreciação (anos):</translation>
    </message>
    <message>
        <source>Declining-balance rate (%):</source>
        <translation>Taxa de depreciação por saldo decrescente (%):</translation>
    </message>
    <message>
        <source>Residual value ($):</source>
        <translation>Valor residual ($):</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>First year&apos;s share of the savings (%):</source>
        <translation>Parcela da economia no primeiro ano (%):</translation>
    </message>
    <message>
        <source>At each year&apos;s end</source>
        <translation>No fim de cada ano</translation>
    </message>
    <message>
        <source>Spread over the year</source>
        <translation>Distribuídos ao longo do ano</translation>
    </message>
    <message>
        <source>Annual flows fall:</source>
        <translation>Os fluxos anuais ocorrem:</translation>
    </message>
    <message>
        <source>Cash flow</source>
        <translation>Fluxo de caixa</translation>
    </message>
    <message>
        <source>Discounted</source>
        <translation>Descontado</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Sensitivity of:</source>
        <translation>Sensibilidade de:</translation>
    </message>
    <message>
        <source>Net present value (spider)</source>
        <translation>Valor presente líquido (gráfico de aranha)</translation>
    </message>
    <message>
        <source>Risk Ranges…</source>
        <translation>Faixas de risco…</translation>
    </message>
    <message>
        <source>Apply Measured Reduction</source>
        <translation>Aplicar a redução medida</translation>
    </message>
    <message>
        <source>The failures rose after the installation: the records measure no reduction to apply.</source>
        <translation>As falhas aumentaram após a instalação: os registros não medem nenhuma redução a aplicar.</translation>
    </message>
    <message>
        <source>The replacement bearings, their labor and the lost production are reduced by the measured %1 already.</source>
        <translation>Os rolamentos de reposição, sua mão de obra e a produção perdida já estão reduzidos nos %1 medidos.</translation>
    </message>
    <message>
        <source>Reduces the replacement bearings, their labor and the lost production by the measured %1.</source>
        <translation>Reduz os rolamentos de reposição, sua mão de obra e a produção perdida nos %1 medidos.</translation>
    </message>
    <message>
        <source>Contingency on price and installation (%):</source>
        <translation>Contingência sobre preço e instalação (%):</translation>
    </message>
    <message>
        <source>Estimate accuracy, below (%):</source>
        <translation>Precisão da estimativa, abaixo (%):</translation>
    </message>
    <message>
        <source>Estimate accuracy, above (%):</source>
        <translation>Precisão da estimativa, acima (%):</translation>
    </message>
    <message>
        <source>Company&apos;s hurdle rate (%):</source>
        <translation>Taxa mínima de atratividade da empresa (%):</translation>
    </message>
    <message>
        <source>Other Savings and One-off Items…</source>
        <translation>Outras economias e itens pontuais…</translation>
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
        <translation>A análise compara uma única alternativa com não fazer nada.</translation>
    </message>
</context>
<context>
    <name>CapitalText</name>
    <message>
        <source>Annual escalation from year 2: labor rates %1, lubricant %2, bearings %3, production value %4, upkeep %5.</source>
        <translation>Reajuste anual a partir do ano 2: valor da hora %1, lubrificante %2, rolamentos %3, valor da produção %4, manutenção %5.</translation>
    </message>
    <message>
        <source>Income tax at %1 on the savings less the upkeep and the depreciation; a year&apos;s loss is credited against the plant&apos;s other profits.</source>
        <translation>Imposto de renda de %1 sobre a economia menos a manutenção e a depreciação; o prejuízo de um ano é compensado com os demais lucros da fábrica.</translation>
    </message>
    <message numerus="yes">
        <source>The investment is depreciated straight-line over %n year(s).</source>
        <translation>
            <numerusform>O investimento é depreciado linearmente em %n ano.</numerusform>
            <numerusform>O investimento é depreciado linearmente em %n anos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Before income tax, at today&apos;s prices every year, with the annual flows at each year&apos;s end.</source>
        <translation>Antes do imposto de renda, a preços atuais em todos os anos, com os fluxos anuais no fim de cada ano.</translation>
    </message>
    <message>
        <source>No escalation: every year at today&apos;s prices.</source>
        <translation>Sem reajuste: todos os anos a preços atuais.</translation>
    </message>
    <message>
        <source>Before income tax.</source>
        <translation>Antes do imposto de renda.</translation>
    </message>
    <message>
        <source>The annual flows are spread over each year and discounted from its middle; the outlay falls at the start, the residual value at the end.</source>
        <translation>Os fluxos anuais são distribuídos ao longo do ano e descontados a partir do meio do ano; o investimento ocorre no início e o valor residual no fim.</translation>
    </message>
    <message>
        <source>The annual flows fall at each year&apos;s end.</source>
        <translation>Os fluxos anuais ocorrem no fim de cada ano.</translation>
    </message>
    <message>
        <source>A residual value of %1 at the end of year %2, taxed on its gain over the book value.</source>
        <translation>Um valor residual de %1 no fim do ano %2, tributado sobre o ganho em relação ao valor contábil.</translation>
    </message>
    <message>
        <source>A residual value of %1 at the end of year %2.</source>
        <translation>Um valor residual de %1 no fim do ano %2.</translation>
    </message>
    <message>
        <source>Year 1 reaches %1 of the annual savings while the system is brought in.</source>
        <translation>O ano 1 atinge %1 da economia anual enquanto o sistema é implantado.</translation>
    </message>
    <message>
        <source>The investment is not depreciated during the period and is written off at its end, the tax credit on it shown with the residual value.</source>
        <translation>O investimento não é depreciado durante o período e é baixado ao seu final; o crédito fiscal correspondente aparece com o valor residual.</translation>
    </message>
    <message>
        <source>The investment is depreciated by declining balance at %1 of its book value a year; what is left is written off at the period&apos;s end, the tax credit on it shown with the residual value.</source>
        <translation>O investimento é depreciado pelo saldo decrescente a %1 do valor contábil ao ano; o que resta é baixado ao final do período, e o crédito fiscal correspondente aparece com o valor residual.</translation>
    </message>
    <message>
        <source>The estimate may be %1 below or %2 above; the measures are computed on the estimate itself.</source>
        <translation>A estimativa pode ficar %1 abaixo ou %2 acima; os indicadores são calculados sobre a própria estimativa.</translation>
    </message>
    <message>
        <source>The company&apos;s hurdle rate is %1. The discount rate of %2 is the plant&apos;s own choice: any premium for the project&apos;s risk is in it as chosen, not added here.</source>
        <translation>A taxa mínima de atratividade da empresa é de %1. A taxa de desconto de %2 é escolha da planta: qualquer prêmio pelo risco do projeto está nela como escolhido, sem nada adicionado aqui.</translation>
    </message>
    <message>
        <source>A further saving</source>
        <translation>Outra economia</translation>
    </message>
    <message>
        <source>%1: %2 a year, escalating %3 a year, cash.</source>
        <translation>%1: %2 por ano, com reajuste de %3 ao ano, em caixa.</translation>
    </message>
    <message>
        <source>%1: %2 a year, escalating %3 a year, not cash.</source>
        <translation>%1: %2 por ano, com reajuste de %3 ao ano, fora do caixa.</translation>
    </message>
    <message>
        <source>%1: %2 a year, cash.</source>
        <translation>%1: %2 por ano, em caixa.</translation>
    </message>
    <message>
        <source>%1: %2 a year, not cash.</source>
        <translation>%1: %2 por ano, fora do caixa.</translation>
    </message>
    <message>
        <source>A one-off item</source>
        <translation>Um item pontual</translation>
    </message>
    <message>
        <source>%1: %2 in year %3 and every %4 years after, with the upkeep.</source>
        <translation>%1: %2 no ano %3 e depois a cada %4 anos, com a manutenção.</translation>
    </message>
    <message>
        <source>%1: %2 at the start, in the outlay.</source>
        <translation>%1: %2 no início, no investimento inicial.</translation>
    </message>
    <message>
        <source>%1: %2 in year %3, with the upkeep.</source>
        <translation>%1: %2 no ano %3, com a manutenção.</translation>
    </message>
    <message>
        <source>The cost rows and the upkeep at today&apos;s prices every year.</source>
        <translation>As linhas de custo e a manutenção todos os anos a preços atuais.</translation>
    </message>
    <message>
        <source>A contingency of %1 on the price and installation raises them to %2.</source>
        <translation>Uma contingência de %1 sobre o preço e a instalação os eleva a %2.</translation>
    </message>
</context>
<context>
    <name>CaseItemsDialog</name>
    <message>
        <source>Add Row</source>
        <translation>Adicionar linha</translation>
    </message>
    <message>
        <source>Remove Row</source>
        <translation>Remover linha</translation>
    </message>
    <message>
        <source>Other Savings and One-off Items</source>
        <translation>Outras economias e itens pontuais</translation>
    </message>
    <message>
        <source>Amount ($)</source>
        <translation>Valor ($)</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Amount a year ($)</source>
        <translation>Valor por ano ($)</translation>
    </message>
    <message>
        <source>Escalation (% a year)</source>
        <translation>Reajuste (% ao ano)</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Em caixa</translation>
    </message>
    <message>
        <source>Annual savings beyond the cost rows, such as work orders no longer raised for routine greasing or waste grease disposal; cash where the plant stops paying them:</source>
        <translation>Economias anuais além das linhas de custo, como ordens de serviço de lubrificação de rotina que deixam de ser abertas ou o descarte de graxa usada; em caixa quando a planta deixa de pagá-las:</translation>
    </message>
    <message>
        <source>Year (0: at the start)</source>
        <translation>Ano (0: no início)</translation>
    </message>
    <message>
        <source>Every (years; empty: once)</source>
        <translation>A cada (anos; vazio: uma vez)</translation>
    </message>
    <message>
        <source>One-off items: an outlay in a given year, such as a pump replaced every few years; below zero money received, such as a rebate or grant at the start:</source>
        <translation>Itens pontuais: um gasto em um ano dado, como uma bomba trocada a cada poucos anos; abaixo de zero, dinheiro recebido, como um desconto ou subsídio no início:</translation>
    </message>
    <message>
        <source>The annual saving in row %1 has no amount a year that reads.</source>
        <translation>A economia anual da linha %1 não tem um valor por ano legível.</translation>
    </message>
    <message>
        <source>The escalation of the annual saving in row %1 is not a percentage from %2 to %3.</source>
        <translation>O reajuste da economia anual da linha %1 não é uma porcentagem de %2 a %3.</translation>
    </message>
    <message>
        <source>The one-off item in row %1 has no amount that reads.</source>
        <translation>O item pontual da linha %1 não tem um valor legível.</translation>
    </message>
    <message>
        <source>The year of the one-off item in row %1 is not a whole year from 0 to %2.</source>
        <translation>O ano do item pontual da linha %1 não é um ano inteiro de 0 a %2.</translation>
    </message>
    <message>
        <source>The one-off item in row %1 recurs every 1 to %2 whole years or, left empty, falls once.</source>
        <translation>O item pontual da linha %1 se repete a cada 1 a %2 anos inteiros ou, deixado vazio, ocorre uma vez.</translation>
    </message>
</context>
<context>
    <name>CashFlowText</name>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Economia</translation>
    </message>
    <message>
        <source>Upkeep</source>
        <translation>Manutenção</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Depreciação</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Imposto</translation>
    </message>
    <message>
        <source>Residual value after tax</source>
        <translation>Valor residual após imposto</translation>
    </message>
    <message>
        <source>Net cash flow</source>
        <translation>Fluxo de caixa líquido</translation>
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
        <translation>Valor residual e baixa após imposto</translation>
    </message>
</context>
<context>
    <name>ChartControl</name>
    <message>
        <source>Lubrication Labor</source>
        <translation>Mão de obra de lubrificação</translation>
    </message>
    <message>
        <source>Lubricant Cost</source>
        <translation>Custo do lubrificante</translation>
    </message>
    <message>
        <source>Bearing Cost</source>
        <translation>Custo dos rolamentos</translation>
    </message>
    <message>
        <source>Replacement Labor</source>
        <translation>Mão de obra de troca de rolamentos</translation>
    </message>
    <message>
        <source>Lost Production</source>
        <translation>Produção perdida</translation>
    </message>
    <message>
        <source>CURRENT COST</source>
        <translation>CUSTO ATUAL</translation>
    </message>
    <message>
        <source>VELMOR COST</source>
        <translation>CUSTO VELMOR</translation>
    </message>
    <message>
        <source>SAVINGS</source>
        <translation>ECONOMIA</translation>
    </message>
    <message>
        <source>current cost</source>
        <translation>custo atual</translation>
    </message>
    <message>
        <source>Velmor cost</source>
        <translation>custo com Velmor</translation>
    </message>
    <message>
        <source>savings</source>
        <translation>economia</translation>
    </message>
    <message>
        <source>ESTIMATED ANNUAL SAVINGS IN DOLLARS</source>
        <translation>ECONOMIA ANUAL ESTIMADA EM DÓLARES</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ESTIMATED ANNUAL SAVINGS IN %1</source>
        <translation>ECONOMIA ANUAL ESTIMADA EM %1</translation>
    </message>
</context>
<context>
    <name>ClipboardText</name>
    <message>
        <source>Cost</source>
        <translation>Custo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Business case</source>
        <translation>Análise de investimento</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Initial investment</source>
        <translation>Investimento inicial</translation>
    </message>
    <message>
        <source>Simple payback (months)</source>
        <translation>Payback simples (meses)</translation>
    </message>
    <message numerus="yes">
        <source>Return on investment over %n year(s)</source>
        <translation>
            <numerusform>Retorno sobre o investimento em %n ano</numerusform>
            <numerusform>Retorno sobre o investimento em %n anos</numerusform>
        </translation>
    </message>
    <message>
        <source>Net present value at %1%</source>
        <translation>Valor presente líquido a %1%</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>Taxa interna de retorno</translation>
    </message>
    <message numerus="yes">
        <source>not within %n year(s)</source>
        <translation>
            <numerusform>não ocorre em %n ano</numerusform>
            <numerusform>não ocorre em %n anos</numerusform>
        </translation>
    </message>
    <message>
        <source>Discounted payback (years)</source>
        <translation>Payback descontado (anos)</translation>
    </message>
    <message>
        <source>Annualised return on investment</source>
        <translation>Retorno sobre o investimento anualizado</translation>
    </message>
    <message>
        <source>Profitability index</source>
        <translation>Índice de lucratividade</translation>
    </message>
    <message>
        <source>Break-even system price</source>
        <translation>Preço do sistema no ponto de equilíbrio</translation>
    </message>
    <message>
        <source>Break-even share of the assumed reductions</source>
        <translation>Parcela das reduções previstas no ponto de equilíbrio</translation>
    </message>
    <message>
        <source>Break-even bearing failures a year</source>
        <translation>Falhas de rolamentos por ano no ponto de equilíbrio</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Hard savings in year 1</source>
        <translation>Economias tangíveis no ano 1</translation>
    </message>
    <message>
        <source>Net present value on hard savings alone</source>
        <translation>Valor presente líquido somente com economias tangíveis</translation>
    </message>
    <message>
        <source>Internal rate of return on hard savings alone</source>
        <translation>Taxa interna de retorno somente com economias tangíveis</translation>
    </message>
    <message>
        <source>Simple payback on hard savings alone (months)</source>
        <translation>Payback simples somente com economias tangíveis (meses)</translation>
    </message>
    <message>
        <source>Contingency in it</source>
        <translation>Contingência incluída</translation>
    </message>
    <message>
        <source>Hurdle rate</source>
        <translation>Taxa mínima de atratividade</translation>
    </message>
    <message>
        <source>Net present value at the hurdle rate</source>
        <translation>Valor presente líquido à taxa mínima de atratividade</translation>
    </message>
    <message>
        <source>Meets the hurdle rate</source>
        <translation>Atinge a taxa mínima de atratividade</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
</context>
<context>
    <name>CostRows</name>
    <message>
        <source>The Velmor cost assumes that automatic lubrication cuts %1 and %2.</source>
        <translation>O custo com Velmor pressupõe que a lubrificação automática reduz %1 e %2.</translation>
    </message>
    <message>
        <source>Manual Labor to Lubricate</source>
        <translation>Mão de obra de lubrificação</translation>
    </message>
    <message>
        <source>Labor to lubricate (%1% reduction)</source>
        <translation>Mão de obra de lubrificação (−%1%)</translation>
    </message>
    <message>
        <source>the lubrication labor</source>
        <translation>a mão de obra de lubrificação</translation>
    </message>
    <message>
        <source>Grease used for manual lubrication</source>
        <translation>Consumo de lubrificante</translation>
    </message>
    <message>
        <source>Grease consumption (%1% reduction)</source>
        <translation>Consumo de lubrificante (−%1%)</translation>
    </message>
    <message>
        <source>the lubricant</source>
        <translation>o lubrificante</translation>
    </message>
    <message>
        <source>New replacement bearings</source>
        <translation>Rolamentos de reposição</translation>
    </message>
    <message>
        <source>New replacement bearings (%1% reduction)</source>
        <translation>Rolamentos de reposição (−%1%)</translation>
    </message>
    <message>
        <source>the replacement bearings</source>
        <translation>os rolamentos de reposição</translation>
    </message>
    <message>
        <source>Labor to replace failed bearings</source>
        <translation>Mão de obra de troca de rolamentos</translation>
    </message>
    <message>
        <source>Bearing replacement labor (%1% reduction)</source>
        <translation>M.O. de troca de rolamentos (−%1%)</translation>
    </message>
    <message>
        <source>the replacement labor</source>
        <translation>a mão de obra de troca de rolamentos</translation>
    </message>
    <message>
        <source>Lost Production</source>
        <translation>Produção perdida</translation>
    </message>
    <message>
        <source>Lost Production (%1% reduction)</source>
        <translation>Produção perdida (−%1%)</translation>
    </message>
    <message>
        <source>the lost production</source>
        <translation>a produção perdida</translation>
    </message>
    <message>
        <source>Total anual cost of manual lubrication</source>
        <translation>Custo anual total da lubrificação manual</translation>
    </message>
    <message>
        <source>Total annual cost using Velmor automatic lubrication</source>
        <translation>Custo anual total com lubrificação automática Velmor</translation>
    </message>
    <message>
        <source>Total annual savings over manual lubrication costs</source>
        <translation>Economia anual total frente à lubrificação manual</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 em %2</translation>
    </message>
</context>
<context>
    <name>CsvText</name>
    <message>
        <source>It is larger than %1 MB.</source>
        <translation>Ele tem mais de %1 MB.</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <translation>Não é um arquivo de texto.</translation>
    </message>
    <message>
        <source>A quoted field that begins on line %1 is never closed.</source>
        <translation>Um campo entre aspas que começa na linha %1 nunca é fechado.</translation>
    </message>
    <message>
        <source>It holds no header and no rows.</source>
        <translation>Ele não contém cabeçalho nem linhas.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields where the header has %3.</source>
        <translation>A linha %1 tem %2 campos, e o cabeçalho tem %3.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields; a table is read with at most %3.</source>
        <translation>A linha %1 tem %2 campos; uma tabela é lida com no máximo %3.</translation>
    </message>
    <message>
        <source>No line holds a header of two column names or more.</source>
        <translation>Nenhuma linha contém um cabeçalho com dois ou mais nomes de coluna.</translation>
    </message>
</context>
<context>
    <name>CurrencyUnits</name>
    <message>
        <source>A currency symbol has at most %1 characters.</source>
        <translation>Um símbolo de moeda tem no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>A currency symbol cannot hold digits, signs, the marks of a figure (. , &apos; %), quotes or invisible characters.</source>
        <translation>Um símbolo de moeda não pode conter dígitos, sinais, as marcas de um número (. , &apos; %), aspas nem caracteres invisíveis.</translation>
    </message>
</context>
<context>
    <name>CurrencyUnitsDialog</name>
    <message>
        <source>Currency and Units</source>
        <translation>Moeda e unidades</translation>
    </message>
    <message>
        <source>Every money figure is typed and shown in this currency; figures are not converted between currencies.</source>
        <translation>Todos os valores monetários são digitados e exibidos nesta moeda; os valores não são convertidos entre moedas.</translation>
    </message>
    <message>
        <source>Currency symbol:</source>
        <translation>Símbolo da moeda:</translation>
    </message>
    <message>
        <source>A figure shows as:</source>
        <translation>Um valor aparece como:</translation>
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
        <translation>Lubrificante pesado em:</translation>
    </message>
    <message>
        <source>Lubricant quantity and price will be converted to kilograms; the results stay the same.</source>
        <translation>A quantidade e o preço do lubrificante serão convertidos para quilogramas; os resultados não mudam.</translation>
    </message>
    <message>
        <source>Lubricant quantity and price will be converted to pounds; the results stay the same.</source>
        <translation>A quantidade e o preço do lubrificante serão convertidos para libras; os resultados não mudam.</translation>
    </message>
    <message>
        <source>The lubricant %1 will be converted to kilograms; the %2 holds no number and stays as typed.</source>
        <translation>O campo “%1” do lubrificante será convertido para quilogramas; o campo “%2” não contém um número e permanece como foi digitado.</translation>
    </message>
    <message>
        <source>The lubricant %1 will be converted to pounds; the %2 holds no number and stays as typed.</source>
        <translation>O campo “%1” do lubrificante será convertido para libras; o campo “%2” não contém um número e permanece como foi digitado.</translation>
    </message>
    <message>
        <source>quantity</source>
        <translation>quantidade</translation>
    </message>
    <message>
        <source>price</source>
        <translation>preço</translation>
    </message>
    <message>
        <source>The lubricant quantity and price hold no numbers and stay as typed.</source>
        <translation>A quantidade e o preço do lubrificante não contêm números e permanecem como foram digitados.</translation>
    </message>
</context>
<context>
    <name>DocumentHistory</name>
    <message>
        <source>Open %1</source>
        <translation>Abertura de %1</translation>
    </message>
    <message>
        <source>Typing in %1</source>
        <translation>Digitação em %1</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alteração</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Maintenance Records</source>
        <translation>Registros de manutenção</translation>
    </message>
    <message>
        <source>Change of the Investment</source>
        <translation>Alteração do investimento</translation>
    </message>
    <message>
        <source>Change of the Capital Inputs</source>
        <translation>Alteração dos dados de capital</translation>
    </message>
    <message>
        <source>Change of the Assumptions</source>
        <translation>Alteração das premissas</translation>
    </message>
    <message>
        <source>Change of the Currency and Units</source>
        <translation>Alteração de moeda e unidades</translation>
    </message>
    <message>
        <source>Change of the Report Details</source>
        <translation>Alteração dos dados do relatório</translation>
    </message>
    <message>
        <source>Change of the Risk Ranges</source>
        <translation>Alteração das faixas de risco</translation>
    </message>
    <message>
        <source>Change of the Figures</source>
        <translation>Alteração dos dados</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer: %1</translation>
    </message>
</context>
<context>
    <name>FacilityFile</name>
    <message>
        <source>Could not open %1. %2</source>
        <translation>Não foi possível abrir %1. %2</translation>
    </message>
    <message>
        <source>Could not save %1. %2</source>
        <translation>Não foi possível salvar %1. %2</translation>
    </message>
    <message>
        <source>is not valid text</source>
        <translation>não é um texto válido</translation>
    </message>
    <message>
        <source>is longer than a field holds</source>
        <translation>é mais longo do que um campo comporta</translation>
    </message>
    <message>
        <source>The figures were typed in regional settings that are not known here (%1).</source>
        <translation>Os valores foram digitados em configurações regionais desconhecidas aqui (%1).</translation>
    </message>
    <message>
        <source>The figure for %1 %2.</source>
        <translation>O valor de %1 %2.</translation>
    </message>
    <message>
        <source>The figure for %1 holds characters an input field cannot show.</source>
        <translation>O valor de %1 contém caracteres que um campo de entrada não consegue exibir.</translation>
    </message>
    <message>
        <source>The report detail %1 %2.</source>
        <translation>O dado do relatório %1 %2.</translation>
    </message>
    <message>
        <source>The investment&apos;s %1 %2.</source>
        <translation>O dado do investimento %1 %2.</translation>
    </message>
    <message>
        <source>An assumed reduction is not a percentage from 0 to 100 in tenths.</source>
        <translation>Uma redução prevista não é uma porcentagem de 0 a 100 em décimos.</translation>
    </message>
    <message>
        <source>The figures are too long for a facility file, which holds at most 64 KiB.</source>
        <translation>Os dados são longos demais para um arquivo de planta, que comporta no máximo 64 KiB.</translation>
    </message>
    <message>
        <source>The file&apos;s %1 are not valid.</source>
        <translation>Os dados de %1 do arquivo não são válidos.</translation>
    </message>
    <message>
        <source>The %1 %2 is not a text.</source>
        <translation>O campo %2 de %1 não é um texto.</translation>
    </message>
    <message>
        <source>The file is larger than 64 KiB, too large for a facility file.</source>
        <translation>O arquivo tem mais de 64 KiB, grande demais para um arquivo de planta.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>O arquivo não é um texto UTF-8.</translation>
    </message>
    <message>
        <source>The file is not a facility file: it is not JSON (%1 at byte %2).</source>
        <translation>O arquivo não é um arquivo de planta: não é JSON (%1 no byte %2).</translation>
    </message>
    <message>
        <source>The file holds the key %1 twice.</source>
        <translation>O arquivo contém a chave %1 duas vezes.</translation>
    </message>
    <message>
        <source>The file is not a facility file.</source>
        <translation>O arquivo não é um arquivo de planta.</translation>
    </message>
    <message>
        <source>The file has no valid version number.</source>
        <translation>O arquivo não tem um número de versão válido.</translation>
    </message>
    <message>
        <source>The file was saved by a newer version of this program.</source>
        <translation>O arquivo foi salvo por uma versão mais recente deste programa.</translation>
    </message>
    <message>
        <source>The file does not say in which regional settings its figures were typed.</source>
        <translation>O arquivo não informa em quais configurações regionais seus valores foram digitados.</translation>
    </message>
    <message>
        <source>The file holds no figures.</source>
        <translation>O arquivo não contém valores.</translation>
    </message>
    <message>
        <source>one figure</source>
        <translation>um valor</translation>
    </message>
    <message>
        <source>%1 figures</source>
        <translation>%1 valores</translation>
    </message>
    <message>
        <source>The file holds %1 instead of %2.</source>
        <translation>O arquivo contém %1 em vez de %2.</translation>
    </message>
    <message>
        <source>The figure for %1 is not a text.</source>
        <translation>O valor de %1 não é um texto.</translation>
    </message>
    <message>
        <source>The file&apos;s assumptions are not valid.</source>
        <translation>As premissas do arquivo não são válidas.</translation>
    </message>
    <message>
        <source>The assumed reduction %1 is not a percentage from 0 to 100 in tenths.</source>
        <translation>A redução prevista %1 não é uma porcentagem de 0 a 100 em décimos.</translation>
    </message>
    <message>
        <source>Could not open the figures. No file name was given.</source>
        <translation>Não foi possível abrir os dados. Nenhum nome de arquivo foi informado.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>O arquivo não existe.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>É uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Não foi possível ler o arquivo: %1</translation>
    </message>
    <message>
        <source>Could not save the figures. No file name was given.</source>
        <translation>Não foi possível salvar os dados. Nenhum nome de arquivo foi informado.</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>cliente</translation>
    </message>
    <message>
        <source>site</source>
        <translation>local</translation>
    </message>
    <message>
        <source>prepared by</source>
        <translation>elaborado por</translation>
    </message>
    <message>
        <source>system price</source>
        <translation>preço do sistema</translation>
    </message>
    <message>
        <source>installation cost</source>
        <translation>custo de instalação</translation>
    </message>
    <message>
        <source>annual upkeep</source>
        <translation>manutenção anual</translation>
    </message>
    <message>
        <source>evaluation period</source>
        <translation>período de avaliação</translation>
    </message>
    <message>
        <source>discount rate</source>
        <translation>taxa de desconto</translation>
    </message>
    <message>
        <source>report details</source>
        <translation>dados do relatório</translation>
    </message>
    <message>
        <source>report detail</source>
        <translation>dado do relatório</translation>
    </message>
    <message>
        <source>investment details</source>
        <translation>dados do investimento</translation>
    </message>
    <message>
        <source>investment detail</source>
        <translation>dado do investimento</translation>
    </message>
    <message>
        <source>The currency symbol %1 is not valid. %2</source>
        <translation>O símbolo de moeda %1 não é válido. %2</translation>
    </message>
    <message>
        <source>The currency symbol %1 is not valid.</source>
        <translation>O símbolo de moeda %1 não é válido.</translation>
    </message>
    <message>
        <source>The file&apos;s currency and units are not valid.</source>
        <translation>A moeda e as unidades do arquivo não são válidas.</translation>
    </message>
    <message>
        <source>The currency symbol is not a text.</source>
        <translation>O símbolo de moeda não é um texto.</translation>
    </message>
    <message>
        <source>The units are neither &quot;imperial&quot; nor &quot;metric&quot;.</source>
        <translation>As unidades não são nem “imperial” nem “metric”.</translation>
    </message>
    <message>
        <source>escalation of the labor rates</source>
        <translation>reajuste do valor da hora</translation>
    </message>
    <message>
        <source>escalation of the lubricant price</source>
        <translation>reajuste do preço do lubrificante</translation>
    </message>
    <message>
        <source>escalation of the bearing price</source>
        <translation>reajuste do preço do rolamento</translation>
    </message>
    <message>
        <source>escalation of the production value</source>
        <translation>reajuste do valor da produção</translation>
    </message>
    <message>
        <source>escalation of the upkeep</source>
        <translation>reajuste da manutenção</translation>
    </message>
    <message>
        <source>income tax rate</source>
        <translation>alíquota do imposto de renda</translation>
    </message>
    <message>
        <source>depreciation period</source>
        <translation>prazo de depreciação</translation>
    </message>
    <message>
        <source>declining-balance rate</source>
        <translation>taxa de depreciação por saldo decrescente</translation>
    </message>
    <message>
        <source>residual value</source>
        <translation>valor residual</translation>
    </message>
    <message>
        <source>first-year share</source>
        <translation>parcela do primeiro ano</translation>
    </message>
    <message>
        <source>capital inputs</source>
        <translation>dados de capital</translation>
    </message>
    <message>
        <source>capital input</source>
        <translation>dado de capital</translation>
    </message>
    <message>
        <source>The capital input %1 %2.</source>
        <translation>O dado de capital %1 %2.</translation>
    </message>
    <message>
        <source>The capital inputs&apos; choices are not valid.</source>
        <translation>As opções escolhidas nos dados de capital não são válidas.</translation>
    </message>
    <message>
        <source>The depreciation is none of &quot;none&quot;, &quot;straightLine&quot; and &quot;decliningBalance&quot;.</source>
        <translation>A depreciação não é nem “none” nem “straightLine” nem “decliningBalance”.</translation>
    </message>
    <message>
        <source>The timing of the cash flows is neither &quot;yearEnd&quot; nor &quot;midYear&quot;.</source>
        <translation>O momento dos fluxos de caixa não é nem “yearEnd” nem “midYear”.</translation>
    </message>
    <message>
        <source>The file&apos;s work-order records are not valid (%1).</source>
        <translation>As ordens de serviço do arquivo não são válidas (%1).</translation>
    </message>
    <message>
        <source>The file&apos;s risk ranges are not valid (%1).</source>
        <translation>As faixas de risco do arquivo não são válidas (%1).</translation>
    </message>
    <message>
        <source>The file&apos;s hard and soft savings are not valid (%1).</source>
        <translation>As economias tangíveis e intangíveis do arquivo não são válidas (%1).</translation>
    </message>
    <message>
        <source>The file&apos;s lost-production rule is not valid (%1).</source>
        <translation>A regra de produção perdida do arquivo não é válida (%1).</translation>
    </message>
    <message>
        <source>contingency</source>
        <translation>contingência</translation>
    </message>
    <message>
        <source>accuracy below the estimate</source>
        <translation>precisão abaixo da estimativa</translation>
    </message>
    <message>
        <source>accuracy above the estimate</source>
        <translation>precisão acima da estimativa</translation>
    </message>
    <message>
        <source>hurdle rate</source>
        <translation>taxa mínima de atratividade</translation>
    </message>
    <message>
        <source>The file&apos;s options are not valid (%1).</source>
        <translation>As alternativas do arquivo não são válidas (%1).</translation>
    </message>
    <message>
        <source>The file holds more options than the case weighs.</source>
        <translation>O arquivo contém mais alternativas do que a análise compara.</translation>
    </message>
    <message>
        <source>The option %1: %2</source>
        <translation>A alternativa %1: %2</translation>
    </message>
    <message>
        <source>The option&apos;s name %1.</source>
        <translation>O nome da alternativa %1.</translation>
    </message>
</context>
<context>
    <name>FigureCommands</name>
    <message>
        <source>Facility figures (*.velmor)</source>
        <translation>Dados da planta (*.velmor)</translation>
    </message>
    <message>
        <source>Open Figures…</source>
        <translation>Abrir dados…</translation>
    </message>
    <message>
        <source>Save Figures</source>
        <translation>Salvar dados</translation>
    </message>
    <message>
        <source>Save Figures As…</source>
        <translation>Salvar dados como…</translation>
    </message>
    <message>
        <source>Report Details…</source>
        <translation>Dados do relatório…</translation>
    </message>
    <message>
        <source>Assumptions…</source>
        <translation>Premissas…</translation>
    </message>
    <message>
        <source>Business Case…</source>
        <translation>Análise de investimento…</translation>
    </message>
    <message>
        <source>Export Report as PDF…</source>
        <translation>Exportar relatório como PDF…</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Imprimir relatório…</translation>
    </message>
    <message>
        <source>Copy Results</source>
        <translation>Copiar resultados</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before closing?</source>
        <translation>Salvar as alterações em “%1” antes de fechar?</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before opening other figures?</source>
        <translation>Salvar as alterações em “%1” antes de abrir outros dados?</translation>
    </message>
    <message>
        <source>Changes not saved are lost.</source>
        <translation>As alterações não salvas serão perdidas.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Não foi possível imprimir o relatório.</translation>
    </message>
    <message>
        <source>Open Figures</source>
        <translation>Abrir dados</translation>
    </message>
    <message>
        <source>Facility figures.velmor</source>
        <translation>Dados da planta.velmor</translation>
    </message>
    <message>
        <source>Save Figures As</source>
        <translation>Salvar dados como</translation>
    </message>
    <message>
        <source>Lubrication Cost Savings Report.pdf</source>
        <translation>Relatório de economia com lubrificação.pdf</translation>
    </message>
    <message>
        <source>%1 - Lubrication Cost Savings Report.pdf</source>
        <translation>%1 - Relatório de economia com lubrificação.pdf</translation>
    </message>
    <message>
        <source>Export Report as PDF</source>
        <translation>Exportar relatório como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimir relatório</translation>
    </message>
    <message>
        <source>Currency and Units…</source>
        <translation>Moeda e unidades…</translation>
    </message>
    <message>
        <source>Export Workbook…</source>
        <translation>Exportar planilha…</translation>
    </message>
    <message>
        <source>Export Workbook</source>
        <translation>Exportar planilha</translation>
    </message>
    <message>
        <source>Lubrication Cost Savings.xlsx</source>
        <translation>Economia com lubrificação.xlsx</translation>
    </message>
    <message>
        <source>%1 - Lubrication Cost Savings.xlsx</source>
        <translation>%1 - Economia com lubrificação.xlsx</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Pastas de trabalho do Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Work-order exports (*.csv *.txt *.xlsx)</source>
        <translation>Exportações de ordens de serviço (*.csv *.txt *.xlsx)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Open Maintenance Records…</source>
        <translation>Abrir registros de manutenção…</translation>
    </message>
    <message>
        <source>Open Maintenance Records</source>
        <translation>Abrir registros de manutenção</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Nenhuma impressora está instalada.</translation>
    </message>
    <message>
        <source>Export the report as a PDF document instead?</source>
        <translation>Exportar o relatório como documento PDF em vez disso?</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>%1

The results cannot be computed from these figures. Please check the figures under &quot;Your Data&quot;.</source>
        <translation>%1

Não é possível calcular os resultados com estes dados. Verifique os valores em “Seus dados”.</translation>
    </message>
    <message>
        <source>More Information</source>
        <translation>Mais informações</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Velmor logo</source>
        <translation>Logotipo Velmor</translation>
    </message>
    <message>
        <source>Calculator icon</source>
        <translation>Ícone da calculadora</translation>
    </message>
    <message>
        <source>Velmor banner</source>
        <translation>Banner Velmor</translation>
    </message>
    <message>
        <source>A lubrication pump and a bearing beside the Velmor logo</source>
        <translation>Uma bomba de lubrificação e um rolamento ao lado do logotipo Velmor</translation>
    </message>
    <message>
        <source>HALDMARK and Velmor banner</source>
        <translation>Banner HALDMARK e Velmor</translation>
    </message>
    <message>
        <source>Lubrication equipment, the HALDMARK logo and the Velmor logo</source>
        <translation>Equipamento de lubrificação, o logotipo HALDMARK e o logotipo Velmor</translation>
    </message>
    <message>
        <source>Savings chart</source>
        <translation>Gráfico da economia</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Facility files, the customer report, copying the results and zoom</source>
        <translation>Arquivos da planta, relatório para o cliente, cópia dos resultados e zoom</translation>
    </message>
    <message>
        <source>Series Bar Graph</source>
        <translation>Barras agrupadas</translation>
    </message>
    <message>
        <source>Pie Chart</source>
        <translation>Gráfico de pizza</translation>
    </message>
    <message>
        <source>Line Graph</source>
        <translation>Gráfico de linhas</translation>
    </message>
    <message>
        <source>Area Graph</source>
        <translation>Gráfico de áreas</translation>
    </message>
    <message>
        <source>Step Graph</source>
        <translation>Gráfico em degraus</translation>
    </message>
    <message>
        <source>Stacked Bar Graph</source>
        <translation>Barras empilhadas</translation>
    </message>
    <message>
        <source>Velmor Automatic Lubrication Systems</source>
        <translation>Sistemas de Lubrificação Automática Velmor</translation>
    </message>
    <message>
        <source>About Velmor</source>
        <translation>Sobre a Velmor</translation>
    </message>
    <message>
        <source>Your Data</source>
        <translation>Seus dados</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Boas-vindas</translation>
    </message>
    <message>
        <source>This calculator will provide you with an estimated cost comparison between your existing lubrication method and a VELMOR® Centralized Lubrication System by HALDMARK® Inc.</source>
        <translation>Esta calculadora oferece uma comparação estimada de custos entre o seu método atual de lubrificação e um Sistema de Lubrificação Centralizada VELMOR® da HALDMARK® Inc.</translation>
    </message>
    <message>
        <source>To calculate costs particular to your facility, enter the required data in the data fields found under the &quot;Your Data&quot; tab above.</source>
        <translation>Para calcular os custos da sua planta, informe os dados necessários nos campos da guia “Seus dados” acima.</translation>
    </message>
    <message>
        <source>Once your data are properly entered, you can review the effect of using a VELMOR Centralized Lubrication System under the &quot;Velmor Cost&quot; tab and the savings that can be realized under the &quot;Savings&quot; tab. A comparison of the results can be reviewed in graphical format under the &quot;Graph&quot; tab above.</source>
        <translation>Depois de informar os dados, você pode ver o efeito de um Sistema de Lubrificação Centralizada VELMOR na guia “Custo Velmor” e a economia possível na guia “Economia”. Uma comparação gráfica dos resultados está na guia “Gráfico” acima.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>About HALDMARK®</source>
        <translation>Sobre a HALDMARK®</translation>
    </message>
    <message>
        <source>Software Design</source>
        <translation>Desenvolvimento</translation>
    </message>
    <message>
        <source>HALDMARK banner</source>
        <translation>Banner HALDMARK</translation>
    </message>
    <message>
        <source>Corvane Software logo</source>
        <translation>Logotipo Corvane Software</translation>
    </message>
    <message>
        <source>Calculator icon</source>
        <translation>Ícone da calculadora</translation>
    </message>
    <message>
        <source>Phone: </source>
        <translation>Telefone: </translation>
    </message>
    <message>
        <source>Fax: </source>
        <translation>Fax: </translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>E-mail: </translation>
    </message>
    <message>
        <source>WWW: </source>
        <translation>Site: </translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>The figures</source>
        <translation>Os dados</translation>
    </message>
    <message>
        <source>Keeping, printing and sharing the figures</source>
        <translation>Salvar, imprimir e compartilhar os dados</translation>
    </message>
    <message>
        <source>How the figures are computed</source>
        <translation>Como os valores são calculados</translation>
    </message>
    <message>
        <source>The business case</source>
        <translation>A análise de investimento</translation>
    </message>
    <message>
        <source>Maintenance records and the risk range</source>
        <translation>Registros de manutenção e faixa de risco</translation>
    </message>
    <message>
        <source>Glossary of the translations</source>
        <translation>Glossário das traduções</translation>
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
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>Inputs</name>
    <message>
        <source>FACILITY PARTICULARS</source>
        <translation>DADOS DA PLANTA</translation>
    </message>
    <message>
        <source>Number of bearings in facility</source>
        <translation>Rolamentos na planta</translation>
    </message>
    <message>
        <source> total</source>
        <translation> total</translation>
    </message>
    <message>
        <source>bearings installed in the facility</source>
        <translation>rolamentos instalados na planta</translation>
    </message>
    <message>
        <source>Number of bearing failures</source>
        <translation>Falhas de rolamentos</translation>
    </message>
    <message>
        <source> per year</source>
        <translation> por ano</translation>
    </message>
    <message>
        <source>bearings that fail per year</source>
        <translation>rolamentos que falham por ano</translation>
    </message>
    <message>
        <source>Number of lubrication points</source>
        <translation>Pontos de lubrificação</translation>
    </message>
    <message>
        <source>points lubricated by hand</source>
        <translation>pontos lubrificados manualmente</translation>
    </message>
    <message>
        <source>Lubrication frequency</source>
        <translation>Frequência de lubrificação</translation>
    </message>
    <message>
        <source> per month</source>
        <translation> por mês</translation>
    </message>
    <message>
        <source>times each point is lubricated per month</source>
        <translation>vezes por mês que cada ponto é lubrificado</translation>
    </message>
    <message>
        <source>Lubricant quantity</source>
        <translation>Quantidade de lubrificante</translation>
    </message>
    <message>
        <source> lbs/year</source>
        <translation> lb/ano</translation>
    </message>
    <message>
        <source>pounds of lubricant used per year</source>
        <translation>libras de lubrificante usadas por ano</translation>
    </message>
    <message>
        <source>Hourly production rate</source>
        <translation>Valor da produção por hora</translation>
    </message>
    <message>
        <source> $/hour</source>
        <translation> $/h</translation>
    </message>
    <message>
        <source>value of production lost per hour of stoppage</source>
        <translation>valor da produção perdida por hora de parada</translation>
    </message>
    <message>
        <source>MATERIAL COST (Average)</source>
        <translation>CUSTO DE MATERIAL (Médio)</translation>
    </message>
    <message>
        <source>Cost of Lubricant</source>
        <translation>Custo do lubrificante</translation>
    </message>
    <message>
        <source> $/lb.</source>
        <translation> $/lb</translation>
    </message>
    <message>
        <source>price of lubricant per pound</source>
        <translation>preço do lubrificante por libra</translation>
    </message>
    <message>
        <source>Cost of Replacement Bearing</source>
        <translation>Rolamento de reposição</translation>
    </message>
    <message>
        <source> $/each</source>
        <translation> $/unid.</translation>
    </message>
    <message>
        <source>price of one replacement bearing</source>
        <translation>preço de um rolamento de reposição</translation>
    </message>
    <message>
        <source>LABOR COST (Average)</source>
        <translation>CUSTO DE MÃO DE OBRA (Médio)</translation>
    </message>
    <message>
        <source>Lubrication </source>
        <translation>Lubrificação </translation>
    </message>
    <message>
        <source>hourly labor rate for lubricating</source>
        <translation>valor da hora de trabalho na lubrificação</translation>
    </message>
    <message>
        <source>Bearing Replacement</source>
        <translation>Troca de rolamentos</translation>
    </message>
    <message>
        <source>hourly labor rate for replacing bearings</source>
        <translation>valor da hora de trabalho na troca de rolamentos</translation>
    </message>
    <message>
        <source>TIME (Average)</source>
        <translation>TEMPO (Médio)</translation>
    </message>
    <message>
        <source>Lubricate a single point</source>
        <translation>Lubrificar um ponto</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutos</translation>
    </message>
    <message>
        <source>minutes to lubricate one point once</source>
        <translation>minutos para lubrificar um ponto uma vez</translation>
    </message>
    <message>
        <source>Replace a bearing</source>
        <translation>Trocar um rolamento</translation>
    </message>
    <message>
        <source> hours</source>
        <translation> horas</translation>
    </message>
    <message>
        <source>hours to replace one failed bearing (and stoppage per failure)</source>
        <translation>horas para trocar um rolamento com falha (e parada por falha)</translation>
    </message>
    <message>
        <source> kg/year</source>
        <translation> kg/ano</translation>
    </message>
    <message>
        <source> $/kg</source>
        <translation> $/kg</translation>
    </message>
    <message>
        <source>The figure for “%1” is not a number.</source>
        <translation>O valor de “%1” não é um número.</translation>
    </message>
    <message>
        <source>It reads %1.</source>
        <translation>O texto é %1.</translation>
    </message>
    <message>
        <source>bearings</source>
        <translation>rolamentos</translation>
    </message>
    <message>
        <source>failures</source>
        <translation>falhas</translation>
    </message>
    <message>
        <source>points</source>
        <translation>pontos</translation>
    </message>
    <message>
        <source>times per month</source>
        <translation>vezes por mês</translation>
    </message>
    <message>
        <source>lbs. per year</source>
        <translation>lb por ano</translation>
    </message>
    <message>
        <source>production value per hour</source>
        <translation>valor da produção por hora</translation>
    </message>
    <message>
        <source>price per lb.</source>
        <translation>preço por lb</translation>
    </message>
    <message>
        <source>bearing price</source>
        <translation>preço do rolamento</translation>
    </message>
    <message>
        <source>labor rate</source>
        <translation>valor da hora</translation>
    </message>
    <message>
        <source>minutes per point</source>
        <translation>minutos por ponto</translation>
    </message>
    <message>
        <source>hours per replacement</source>
        <translation>horas por troca de rolamento</translation>
    </message>
    <message>
        <source>price per kg</source>
        <translation>preço por kg</translation>
    </message>
    <message>
        <source>kg per year</source>
        <translation>kg por ano</translation>
    </message>
    <message>
        <source>price of lubricant per kilogram</source>
        <translation>preço do lubrificante por quilograma</translation>
    </message>
    <message>
        <source>kilograms of lubricant used per year</source>
        <translation>quilogramas de lubrificante usados por ano</translation>
    </message>
</context>
<context>
    <name>InvestmentFields</name>
    <message>
        <source>Investment</source>
        <translation>Investimento</translation>
    </message>
    <message>
        <source>Installed system price ($):</source>
        <translation>Preço do sistema instalado ($):</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opcional</translation>
    </message>
    <message>
        <source>Installation cost ($):</source>
        <translation>Custo de instalação ($):</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Annual upkeep of the system ($):</source>
        <translation>Manutenção anual do sistema ($):</translation>
    </message>
    <message>
        <source>Evaluation period (years):</source>
        <translation>Período de avaliação (anos):</translation>
    </message>
    <message>
        <source>Discount rate (%):</source>
        <translation>Taxa de desconto (%):</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The settings file %1 is not a regular file; it is ignored, and the settings are the defaults.</source>
        <translation>O arquivo de configurações %1 não é um arquivo comum; ele é ignorado e valem as configurações padrão.</translation>
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
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>The calculator will be shown in the chosen language the next time it is started.</source>
        <translation>A calculadora será exibida no idioma escolhido na próxima vez em que for iniciada.</translation>
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
        <translation>margem %</translation>
    </message>
    <message>
        <source>made up %</source>
        <translation>recuperado %</translation>
    </message>
    <message>
        <source>idle crew</source>
        <translation>equipe parada</translation>
    </message>
    <message>
        <source>their rate</source>
        <translation>sua taxa</translation>
    </message>
    <message>
        <source>stop hours</source>
        <translation>horas de parada</translation>
    </message>
    <message>
        <source>The plant is sold out: a lost hour is valued at the whole production value.</source>
        <translation>A planta vende tudo o que produz: uma hora perdida é valorada pelo valor de produção inteiro.</translation>
    </message>
    <message>
        <source>A lost hour is valued at its contribution margin, %1 of the production value.</source>
        <translation>Uma hora perdida é valorada pela sua margem de contribuição, %1 do valor de produção.</translation>
    </message>
    <message>
        <source>%1 of the lost output is made up later and not counted as lost.</source>
        <translation>%1 da produção perdida é recuperado depois e não é contado como perdido.</translation>
    </message>
    <message numerus="yes">
        <source>A failure stops production for %1 hour(s); the labor to replace the bearing is counted over the hours to replace it.</source>
        <translation>
            <numerusform>Uma falha para a produção por %1 hora; a mão de obra de troca do rolamento é contada pelas horas de troca.</numerusform>
            <numerusform>Uma falha para a produção por %1 horas; a mão de obra de troca do rolamento é contada pelas horas de troca.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 people stand idle during a stop, at %2 an hour each.</source>
        <translation>%1 pessoas ficam paradas durante uma parada, a %2 por hora cada.</translation>
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
        <translation>Data</translation>
    </message>
    <message>
        <source>Asset</source>
        <translation>Equipamento</translation>
    </message>
    <message>
        <source>Work type</source>
        <translation>Tipo de serviço</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
</context>
<context>
    <name>MessageText</name>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
</context>
<context>
    <name>MoneyScale</name>
    <message>
        <source>%1 billions</source>
        <comment>a chart&apos;s money in billions of the currency %1</comment>
        <translation>%1 bilhões</translation>
    </message>
    <message>
        <source>%1 millions</source>
        <comment>a chart&apos;s money in millions of the currency %1</comment>
        <translation>%1 milhões</translation>
    </message>
    <message>
        <source>%1 thousands</source>
        <comment>a chart&apos;s money in thousands of the currency %1</comment>
        <translation>%1 mil</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Open Recent</source>
        <translation>Abrir recente</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>Nenhum arquivo recente</translation>
    </message>
    <message>
        <source>Remove Missing Files</source>
        <translation>Remover arquivos ausentes</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Limpar a lista</translation>
    </message>
</context>
<context>
    <name>RecordsChoiceText</name>
    <message>
        <source>At most %1 words can mark a bearing failure.</source>
        <translation>No máximo %1 palavras podem identificar uma falha de rolamento.</translation>
    </message>
    <message>
        <source>A word that marks a bearing failure is longer than %1 characters.</source>
        <translation>Uma palavra que identifica uma falha de rolamento tem mais de %1 caracteres.</translation>
    </message>
    <message>
        <source>The hours on line %1 are below zero.</source>
        <translation>As horas da linha %1 são negativas.</translation>
    </message>
    <message>
        <source>At most %1 work types can mark a failure.</source>
        <translation>No máximo %1 tipos de ordem podem indicar uma falha.</translation>
    </message>
    <message>
        <source>The period of the records needs a start before its end.</source>
        <translation>O período dos registros precisa de um início anterior ao fim.</translation>
    </message>
    <message>
        <source>Repeat orders are those within 0 to %1 days of each other.</source>
        <translation>Ordens repetidas ficam a 0 a %1 dias umas das outras.</translation>
    </message>
    <message>
        <source>At most %1 orders can be left out by hand.</source>
        <translation>No máximo %1 ordens podem ser excluídas manualmente.</translation>
    </message>
</context>
<context>
    <name>RecordsDialog</name>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Asset:</source>
        <translation>Equipamento:</translation>
    </message>
    <message>
        <source>Work type or cause:</source>
        <translation>Tipo de serviço ou causa:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Repair hours:</source>
        <translation>Horas de reparo:</translation>
    </message>
    <message>
        <source>Downtime hours:</source>
        <translation>Horas de parada:</translation>
    </message>
    <message>
        <source>Maintenance Records</source>
        <translation>Registros de manutenção</translation>
    </message>
    <message>
        <source>Choose which column of %1 holds what, and which work orders count as bearing failures. What the records come to is shown below as you choose.</source>
        <translation>Escolha o que cada coluna de %1 contém e quais ordens de serviço contam como falhas de rolamento. O resultado dos registros é mostrado abaixo à medida que você escolhe.</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colunas</translation>
    </message>
    <message>
        <source>Sheet:</source>
        <translation>Planilha:</translation>
    </message>
    <message>
        <source>Day first (31/12/2024)</source>
        <translation>Dia primeiro (31/12/2024)</translation>
    </message>
    <message>
        <source>Month first (12/31/2024)</source>
        <translation>Mês primeiro (12/31/2024)</translation>
    </message>
    <message>
        <source>Order of the dates:</source>
        <translation>Ordem das datas:</translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation>Falhas de rolamento</translation>
    </message>
    <message>
        <source>Work orders whose work type or description contains one of these words, separated by commas:</source>
        <translation>Ordens de serviço cujo tipo ou descrição contém uma destas palavras, separadas por vírgulas:</translation>
    </message>
    <message>
        <source>What the records come to</source>
        <translation>Resultado dos registros</translation>
    </message>
    <message>
        <source>Apply to Figures</source>
        <translation>Aplicar aos dados</translation>
    </message>
    <message>
        <source>Keep as Evidence</source>
        <translation>Manter como evidência</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhuma)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Coluna %1</translation>
    </message>
    <message>
        <source>Bearing failures: %1 of %2 work orders.</source>
        <translation>Falhas de rolamento: %1 de %2 ordens de serviço.</translation>
    </message>
    <message>
        <source>Work types of corrective or breakdown orders, the only ones that can be failures:</source>
        <translation>Tipos das ordens corretivas ou de quebra, as únicas que podem ser falhas:</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Columns and Failures</source>
        <translation>Colunas e falhas</translation>
    </message>
    <message>
        <source>The failures a year are counted over the period the export covers: from its first order to its last, unless you give the months you exported.</source>
        <translation>As falhas por ano são contadas no período que a exportação cobre: da primeira ordem à última, a menos que você informe os meses exportados.</translation>
    </message>
    <message>
        <source>The export covers a given period</source>
        <translation>A exportação cobre um período informado</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Até:</translation>
    </message>
    <message>
        <source> days</source>
        <translation> dias</translation>
    </message>
    <message>
        <source>Orders on one asset within this gap are one failure:</source>
        <translation>Ordens de um equipamento dentro deste intervalo são uma falha:</translation>
    </message>
    <message>
        <source>The system was installed on:</source>
        <translation>O sistema foi instalado em:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Clear an order that is no bearing failure to leave it out.</source>
        <translation>Desmarque uma ordem que não seja falha de rolamento para excluí-la.</translation>
    </message>
    <message>
        <source>Assets</source>
        <translation>Equipamentos</translation>
    </message>
    <message>
        <source>The export names no asset of a failure.</source>
        <translation>A exportação não informa o equipamento de nenhuma falha.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln order(s) matched, %1 left out by hand.</source>
        <translation>
            <numerusform>%Ln ordem encontrada, %1 excluída(s) manualmente.</numerusform>
            <numerusform>%Ln ordens encontradas, %1 excluída(s) manualmente.</numerusform>
        </translation>
    </message>
    <message>
        <source>Matched Orders (%1)</source>
        <translation>Ordens encontradas (%1)</translation>
    </message>
    <message>
        <source>Value lost production over the mean downtime, not the repair hours</source>
        <translation>Valorar a produção perdida pelo tempo médio de parada, não pelas horas de reparo</translation>
    </message>
</context>
<context>
    <name>RecordsExport</name>
    <message>
        <source>Could not read the records of %1. %2</source>
        <translation>Não foi possível ler os registros de %1. %2</translation>
    </message>
</context>
<context>
    <name>RecordsRequestText</name>
    <message>
        <source>%1 is no column=name; the columns are %2</source>
        <translation>%1 não tem a forma coluna=nome; as colunas são %2</translation>
    </message>
    <message>
        <source>The header has no column %1.</source>
        <translation>O cabeçalho não tem nenhuma coluna %1.</translation>
    </message>
    <message>
        <source>%1 is no period such as 2023-01-01:2024-12-31</source>
        <translation>%1 não é um período como 2023-01-01:2024-12-31</translation>
    </message>
    <message>
        <source>the period %1 ends before it begins</source>
        <translation>o período %1 termina antes de começar</translation>
    </message>
</context>
<context>
    <name>RecordsSheetText</name>
    <message>
        <source>Maintenance records</source>
        <translation>Registros de manutenção</translation>
    </message>
    <message>
        <source>Years of the records</source>
        <translation>Anos dos registros</translation>
    </message>
    <message>
        <source>Repeat failures from</source>
        <translation>Falhas repetidas a partir de</translation>
    </message>
    <message>
        <source>failures of one asset</source>
        <translation>falhas de um equipamento</translation>
    </message>
    <message>
        <source>What the records come to</source>
        <translation>Resultado dos registros</translation>
    </message>
    <message>
        <source>Share of the failures after the installation, low</source>
        <translation>Parcela das falhas após a instalação, limite inferior</translation>
    </message>
    <message>
        <source>Share of the failures after the installation, high</source>
        <translation>Parcela das falhas após a instalação, limite superior</translation>
    </message>
    <message>
        <source>Confidence of the intervals</source>
        <translation>Confiança dos intervalos</translation>
    </message>
</context>
<context>
    <name>RecordsText</name>
    <message>
        <source>It is not a workbook, or it is damaged.</source>
        <translation>Não é uma planilha, ou está danificada.</translation>
    </message>
    <message>
        <source>The workbook has no sheet %1.</source>
        <translation>A pasta de trabalho não tem a planilha %1.</translation>
    </message>
    <message>
        <source>Row %1 of the sheet is damaged.</source>
        <translation>A linha %1 da planilha está danificada.</translation>
    </message>
    <message>
        <source>The sheet holds no header and no rows.</source>
        <translation>A planilha não contém cabeçalho nem linhas.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bearing failure(s) from %1 to %2: %3 a year, %4 between %5 and %6</source>
        <translation>
            <numerusform>%Ln falha de rolamento de %1 a %2: %3 por ano, com %4 entre %5 e %6</numerusform>
            <numerusform>%Ln falhas de rolamento de %1 a %2: %3 por ano, com %4 entre %5 e %6</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln bearing failure(s) on %1, too short a time for a rate a year</source>
        <translation>
            <numerusform>%Ln falha de rolamento em %1, um período curto demais para uma taxa anual</numerusform>
            <numerusform>%Ln falhas de rolamento em %1, um período curto demais para uma taxa anual</numerusform>
        </translation>
    </message>
    <message>
        <source>Hours to replace a bearing: median %1, 10th to 90th percentile %2 to %3</source>
        <translation>Horas para trocar um rolamento: mediana %1, percentil 10 a 90 de %2 a %3</translation>
    </message>
    <message>
        <source>Downtime per failure: median %1 hours</source>
        <translation>Parada por falha: mediana %1 horas</translation>
    </message>
    <message numerus="yes">
        <source>From %Ln work order(s) in %1</source>
        <translation>
            <numerusform>A partir de %Ln ordem de serviço em %1</numerusform>
            <numerusform>A partir de %Ln ordens de serviço em %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln repeated row(s) counted once</source>
        <translation>
            <numerusform>, %Ln linha repetida contada uma vez</numerusform>
            <numerusform>, %Ln linhas repetidas contadas uma vez</numerusform>
        </translation>
    </message>
    <message>
        <source> (SHA-256 %1…)</source>
        <translation> (SHA-256 %1…)</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln row(s) without a date left out</source>
        <translation>
            <numerusform>, %Ln linha sem data deixada de fora</numerusform>
            <numerusform>, %Ln linhas sem data deixadas de fora</numerusform>
        </translation>
    </message>
    <message>
        <source>Its part %1 unpacks to far more than a workbook of its size holds.</source>
        <translation>Sua parte %1 se descompacta em muito mais do que uma pasta de trabalho desse tamanho contém.</translation>
    </message>
    <message>
        <source>Its part %1 is damaged.</source>
        <translation>Sua parte %1 está danificada.</translation>
    </message>
    <message>
        <source>Its part %1 declares entities, which no workbook does.</source>
        <translation>Sua parte %1 declara entidades, o que nenhuma pasta de trabalho faz.</translation>
    </message>
    <message>
        <source>Its texts are longer than %1 characters.</source>
        <translation>Seus textos passam de %1 caracteres.</translation>
    </message>
    <message>
        <source>Row %1 of the sheet lies beyond the last row a workbook can have.</source>
        <translation>A linha %1 da planilha fica além da última linha que uma pasta de trabalho pode ter.</translation>
    </message>
    <message>
        <source>The cell %1 lies beyond the last column or row a workbook can have.</source>
        <translation>A célula %1 fica além da última coluna ou linha que uma pasta de trabalho pode ter.</translation>
    </message>
    <message>
        <source>Row %1 of the sheet has more cells than a workbook row can.</source>
        <translation>A linha %1 da planilha tem mais células do que uma linha de pasta de trabalho pode ter.</translation>
    </message>
    <message>
        <source>A cell of row %1 holds more than %2 characters, more than a workbook cell can.</source>
        <translation>Uma célula da linha %1 contém mais de %2 caracteres, mais do que uma célula de pasta de trabalho comporta.</translation>
    </message>
    <message>
        <source>The cell %1 names a shared string the workbook does not hold.</source>
        <translation>A célula %1 remete a uma cadeia compartilhada que a pasta de trabalho não contém.</translation>
    </message>
    <message>
        <source>The sheet holds more than %1 cells.</source>
        <translation>A planilha contém mais de %1 células.</translation>
    </message>
    <message>
        <source>No bearing failures found: no work order&apos;s type or description holds %1.</source>
        <translation>Nenhuma falha de rolamento encontrada: nem o tipo nem a descrição de alguma ordem de serviço contém %1.</translation>
    </message>
    <message numerus="yes">
        <source>Failures counted among the %Ln order(s) of type %1</source>
        <translation>
            <numerusform>Falhas contadas entre a %Ln ordem do tipo %1</numerusform>
            <numerusform>Falhas contadas entre as %Ln ordens do tipo %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The export has no work-type column: every order was searched for the words</source>
        <translation>A exportação não tem coluna de tipo de ordem: as palavras foram procuradas em todas as ordens</translation>
    </message>
    <message>
        <source>No bearing failures found: no work type is chosen as corrective or breakdown.</source>
        <translation>Nenhuma falha de rolamento encontrada: nenhum tipo de ordem foi escolhido como corretivo ou de quebra.</translation>
    </message>
    <message>
        <source>Hours to replace a bearing: mean %1, median %2, 10th to 90th percentile %3 to %4</source>
        <translation>Horas para trocar um rolamento: média %1, mediana %2, percentil 10 a 90 de %3 a %4</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln failure order(s), repeats on one asset within %1 days counted as one</source>
        <translation>
            <numerusform>, %Ln ordem de falha, as repetições no mesmo equipamento em %1 dias contadas como uma</numerusform>
            <numerusform>, %Ln ordens de falha, as repetições no mesmo equipamento em %1 dias contadas como uma</numerusform>
        </translation>
    </message>
    <message>
        <source>No trend in the failures (Laplace U = %1, p = %2): the average rate is used</source>
        <translation>Sem tendência nas falhas (Laplace U = %1, p = %2): a taxa média é usada</translation>
    </message>
    <message>
        <source>Failures rising (β = %1, p = %2): the rate at the end of the records, %3 a year, is used</source>
        <translation>Falhas em alta (β = %1, p = %2): é usada a taxa no fim dos registros, %3 por ano</translation>
    </message>
    <message>
        <source>Failures falling (β = %1, p = %2): the rate at the end of the records, %3 a year, is used</source>
        <translation>Falhas em queda (β = %1, p = %2): é usada a taxa no fim dos registros, %3 por ano</translation>
    </message>
    <message>
        <source>%1 %2 (%3, repeat failures)</source>
        <translation>%1 %2 (%3, falhas repetidas)</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>Most failures: %1</source>
        <translation>Mais falhas: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln failure(s), %2 a year, %3 of all failures</source>
        <translation>
            <numerusform>%1: %Ln falha, %2 por ano, %3 de todas as falhas</numerusform>
            <numerusform>%1: %Ln falhas, %2 por ano, %3 de todas as falhas</numerusform>
        </translation>
    </message>
    <message>
        <source>, median repair %1 hours</source>
        <translation>, reparo mediano %1 horas</translation>
    </message>
    <message>
        <source>, repeat failures</source>
        <translation>, falhas repetidas</translation>
    </message>
    <message>
        <source>The period is the one given for the export</source>
        <translation>O período é o informado para a exportação</translation>
    </message>
    <message>
        <source>The period runs from the export&apos;s first order to its last; it ends on a failure, so the rate counts one failure fewer</source>
        <translation>O período vai da primeira ordem da exportação à última; termina em uma falha, por isso a taxa conta uma falha a menos</translation>
    </message>
    <message>
        <source>The period runs from the export&apos;s first order to its last</source>
        <translation>O período vai da primeira ordem da exportação à última</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln order(s) outside the period left out</source>
        <translation>
            <numerusform>, %Ln ordem fora do período excluída</numerusform>
            <numerusform>, %Ln ordens fora do período excluídas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln order(s) left out by hand</source>
        <translation>
            <numerusform>, %Ln ordem excluída manualmente</numerusform>
            <numerusform>, %Ln ordens excluídas manualmente</numerusform>
        </translation>
    </message>
    <message>
        <source>Failures before %1: %2 in %3 years; after: %4 in %5 years; measured: %6, %7</source>
        <translation>Falhas antes de %1: %2 em %3 anos; depois: %4 em %5 anos; medido: %6, %7</translation>
    </message>
    <message numerus="yes">
        <source>the gamma posterior (Jeffreys prior) of %Ln failure(s) counted in %1 years</source>
        <translation>
            <numerusform>a distribuição a posteriori gama (a priori de Jeffreys) de %Ln falha contada em %1 anos</numerusform>
            <numerusform>a distribuição a posteriori gama (a priori de Jeffreys) de %Ln falhas contadas em %1 anos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, times the trend&apos;s β of %2</source>
        <extracomment>%1: the gamma posterior of the failures, %2: the trend&apos;s β.</extracomment>
        <translation>%1, vezes o β da tendência, %2</translation>
    </message>
    <message numerus="yes">
        <source>a gamma of the mean of %Ln repair(s): %1 hours, standard error %2</source>
        <translation>
            <numerusform>uma gama da média de %Ln reparo: %1 horas, erro padrão %2</numerusform>
            <numerusform>uma gama da média de %Ln reparos: %1 horas, erro padrão %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the mean of %Ln repair(s), %1 hours, fixed: their hours do not vary</source>
        <translation>
            <numerusform>a média de %Ln reparo, %1 horas, fixa: suas horas não variam</numerusform>
            <numerusform>a média de %Ln reparos, %1 horas, fixa: suas horas não variam</numerusform>
        </translation>
    </message>
    <message>
        <source>a PERT over the repairs&apos; 10th to 90th percentile, most likely their median</source>
        <translation>uma PERT do 10º ao 90º percentil dos reparos, com a mediana como mais provável</translation>
    </message>
    <message>
        <source>Lost production valued over the mean downtime of %1 hours a failure, not the repair hours</source>
        <translation>Produção perdida valorada pela parada média de %1 horas por falha, não pelas horas de reparo</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Figures typed at %1 were not saved.</source>
        <translation>Os dados digitados às %1 não foram salvos.</translation>
    </message>
    <message>
        <source>Figures of %1 changed at %2 were not saved.</source>
        <translation>Os dados de %1 alterados às %2 não foram salvos.</translation>
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
        <translation>Dados do relatório</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Local:</translation>
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
        <translation>Local:</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>Elaborado por:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Facility figures</source>
        <translation>Dados da planta</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Payback</translation>
    </message>
    <message>
        <source>Investment and measures</source>
        <translation>Investimento e indicadores</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>Cenários</translation>
    </message>
    <message>
        <source>Assumptions</source>
        <translation>Premissas</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Não foi possível desenhar a página.</translation>
    </message>
    <message>
        <source>Could not write the report to %1. %2</source>
        <translation>Não foi possível gravar o relatório em %1. %2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>an installed system price of %1</source>
        <translation>um preço do sistema instalado de %1</translation>
    </message>
    <message>
        <source>installation at %1</source>
        <translation>instalação de %1</translation>
    </message>
    <message>
        <source>an annual upkeep of %1</source>
        <translation>uma manutenção anual de %1</translation>
    </message>
    <message numerus="yes">
        <source>The investment: %1, evaluated over %2 year(s) at a discount rate of %3%.</source>
        <translation>
            <numerusform>O investimento: %1, avaliado em %2 ano a uma taxa de desconto de %3%.</numerusform>
            <numerusform>O investimento: %1, avaliado em %2 anos a uma taxa de desconto de %3%.</numerusform>
        </translation>
    </message>
    <message>
        <source>Business Case</source>
        <translation>Análise de Investimento</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Cenário</translation>
    </message>
    <message>
        <source>Reductions</source>
        <translation>Reduções</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Economia anual</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Payback</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valor presente líquido</translation>
    </message>
    <message>
        <source>Sensitivity: each of the twelve figures and five reductions lowered and raised by %1%, a reduction no further than 0% or 100%.</source>
        <translation>Sensibilidade: cada um dos doze valores e das cinco reduções reduzido e aumentado em %1%, sem que uma redução passe de 0% ou 100%.</translation>
    </message>
    <message>
        <source>Installed system price: %1</source>
        <translation>Preço do sistema instalado: %1</translation>
    </message>
    <message>
        <source>Installation cost: %1</source>
        <translation>Custo de instalação: %1</translation>
    </message>
    <message>
        <source>Annual upkeep: %1</source>
        <translation>Manutenção anual: %1</translation>
    </message>
    <message>
        <source>No payback: with these figures the system brings no annual savings to pay for it.</source>
        <translation>Sem payback: com estes dados, o sistema não gera economia anual que o pague.</translation>
    </message>
    <message>
        <source>Payback period: %1 months</source>
        <translation>Período de payback: %1 meses</translation>
    </message>
    <message>
        <source>%1: the results cannot be computed from these figures.</source>
        <translation>%1: não é possível calcular os resultados com estes dados.</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Lubrication Cost Savings Report</source>
        <translation>Relatório de Economia de Custos de Lubrificação</translation>
    </message>
    <message>
        <source>All figures are annual, in dollars.</source>
        <translation>Todos os valores são anuais, em dólares.</translation>
    </message>
    <message>
        <source>All figures are annual, in %1.</source>
        <translation>Todos os valores são anuais, em %1.</translation>
    </message>
    <message>
        <source>No payback: nothing is invested.</source>
        <translation>Sem payback: nada é investido.</translation>
    </message>
    <message>
        <source>How these figures are computed. The current cost is what lubricating by hand costs a year: the labor to lubricate (%1), the lubricant (%2), new replacement bearings (%3), the labor to replace them (%4) and lost production, since every bearing failure stops production for the time its replacement takes (%5). %6 The savings are the difference. %7</source>
        <extracomment>%1 to %5: the formulas of the five cost rows (&quot;points × minutes per point ÷ 60 × ...&quot;), %6: the sentence on the reductions, %7: the sentence on the currency.</extracomment>
        <translation>Como estes valores são calculados. O custo atual é quanto custa por ano lubrificar manualmente: a mão de obra de lubrificação (%1), o lubrificante (%2), os rolamentos de reposição (%3), a mão de obra para trocá-los (%4) e a produção perdida, já que cada falha de rolamento para a produção durante o tempo da troca (%5). %6 A economia é a diferença. %7</translation>
    </message>
    <message numerus="yes">
        <source>Payback period: %1 months, not within the %n year(s) evaluated</source>
        <translation>
            <numerusform>Período de payback: %1 meses, fora do período avaliado (%n ano)</numerusform>
            <numerusform>Período de payback: %1 meses, fora do período avaliado (%n anos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Net cash flow over %n year(s): %1</source>
        <translation>
            <numerusform>Fluxo de caixa líquido em %n ano: %1</numerusform>
            <numerusform>Fluxo de caixa líquido em %n anos: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Cash flow</source>
        <translation>Fluxo de caixa</translation>
    </message>
    <message>
        <source>Sensitivity of the Net Present Value</source>
        <translation>Sensibilidade do valor presente líquido</translation>
    </message>
    <message>
        <source>Ranges the runs are drawn from</source>
        <translation>Faixas das quais as iterações são sorteadas</translation>
    </message>
    <message>
        <source>Each run draws every input with a range from a PERT distribution: between its low and high value, most often near the most likely one. An input marked — keeps its figure. P10, P50 and P90: a tenth, half and nine tenths of the runs come out less favorable than this. The same seed draws the same runs.</source>
        <translation>Cada iteração sorteia cada dado com faixa de uma distribuição PERT: entre o valor baixo e o alto, com mais frequência perto do mais provável. Um dado marcado com — mantém seu valor. P10, P50 e P90: um décimo, metade e nove décimos das iterações são menos favoráveis que este valor. A mesma semente gera as mesmas iterações.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two parts of what the maintenance records come to, as two sentences.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The plant&apos;s maintenance records: %1.</source>
        <translation>Registros de manutenção da planta: %1.</translation>
    </message>
    <message>
        <source>The figures they give are used in this report.</source>
        <translation>Os dados resultantes são usados neste relatório.</translation>
    </message>
    <message>
        <source>They are kept as evidence only; no figure of this report is taken from them.</source>
        <translation>São mantidos apenas como evidência; nenhum dado deste relatório foi extraído deles.</translation>
    </message>
    <message>
        <source>An input drawn from a gamma distribution instead shows its P10, P50 and P90.</source>
        <translation>Um dado sorteado de uma distribuição gama mostra, em vez disso, seus P10, P50 e P90.</translation>
    </message>
    <message>
        <source>Bearing failures by asset</source>
        <translation>Falhas de rolamento por equipamento</translation>
    </message>
    <message>
        <source>Each period&apos;s failures a year are its failures over its years, with the exact %1 interval of a count of failures. The measured reduction is 1 − rate after ÷ rate before; its %1 interval is exact by the conditional binomial method: of all the failures, the share that came after the installation tells the ratio of the rates. A failure on the day of the installation counts after it.</source>
        <translation>As falhas por ano de cada período são suas falhas divididas por seus anos, com o intervalo exato de %1 de uma contagem de falhas. A redução medida é 1 − taxa depois ÷ taxa antes; seu intervalo de %1 é exato pelo método binomial condicional: a parcela de todas as falhas ocorrida após a instalação indica a razão das taxas. Uma falha no dia da instalação conta como posterior.</translation>
    </message>
    <message>
        <source>The facility file keeps the counts only, not the failures&apos; dates: read the export again to chart them.</source>
        <translation>O arquivo da planta guarda apenas as contagens, não as datas das falhas: leia a exportação de novo para traçá-las.</translation>
    </message>
    <message>
        <source>No payback: with these figures the annual nets after upkeep and tax do not recover the outlay.</source>
        <translation>Sem payback: com estes dados, os fluxos líquidos anuais após manutenção e imposto não cobrem o investimento.</translation>
    </message>
    <message>
        <source>Payback period: %1 months, after tax</source>
        <translation>Período de payback: %1 meses, após o imposto</translation>
    </message>
    <message numerus="yes">
        <source>Payback period: %1 months after tax, not within the %n year(s) evaluated</source>
        <translation>
            <numerusform>Período de payback: %1 meses após o imposto, fora do período avaliado (%n ano)</numerusform>
            <numerusform>Período de payback: %1 meses após o imposto, fora do período avaliado (%n anos)</numerusform>
        </translation>
    </message>
    <message>
        <source>The cumulative net is below zero again from year %1.</source>
        <translation>O fluxo líquido acumulado volta a ficar negativo a partir do ano %1.</translation>
    </message>
    <message>
        <source>The net present value&apos;s sensitivity also moves the price, installation, upkeep, discount rate, tax rate and escalations by the same step, a tax rate no further than 0% or 100% and an escalation no further than %1% or %2%.</source>
        <translation>A sensibilidade do valor presente líquido também move o preço, a instalação, a manutenção, a taxa de desconto, a alíquota de imposto e os reajustes no mesmo passo, sem que a alíquota passe de 0% ou 100% nem um reajuste passe de %1% ou %2%.</translation>
    </message>
    <message>
        <source>No payback: with these figures the annual nets after upkeep do not recover the outlay.</source>
        <translation>Sem payback: com estes dados, os fluxos líquidos anuais após a manutenção não cobrem o investimento.</translation>
    </message>
    <message>
        <source>How these figures are computed. The current cost is what lubricating by hand costs a year: the labor to lubricate (%1), the lubricant (%2), new replacement bearings (%3), the labor to replace them (%4) and lost production, since every bearing failure stops production (%5). %6 The savings are the difference. %7</source>
        <extracomment>%1 to %4: the formulas of the first four cost rows, %5: the formula of the lost production as the rule values it, %6: the rule and the reductions in sentences, %7: the sentence on the currency.</extracomment>
        <translation>Como estes valores são calculados. O custo atual é quanto custa por ano lubrificar manualmente: a mão de obra de lubrificação (%1), o lubrificante (%2), os rolamentos de reposição (%3), a mão de obra para trocá-los (%4) e a produção perdida, já que cada falha de rolamento para a produção (%5). %6 A economia é a diferença. %7</translation>
    </message>
    <message>
        <source>Price and installation with a contingency of %1: %2</source>
        <translation>Preço e instalação com uma contingência de %1: %2</translation>
    </message>
    <message>
        <source>Alternatives Considered</source>
        <translation>Alternativas consideradas</translation>
    </message>
    <message numerus="yes">
        <source>These figures are of the option %1, one of the %n options the page of the alternatives considered sets beside doing nothing.</source>
        <translation>
            <numerusform>Estes valores são da alternativa %1, uma das %n alternativa que a página de alternativas consideradas compara com não fazer nada.</numerusform>
            <numerusform>Estes valores são da alternativa %1, uma das %n alternativas que a página de alternativas consideradas compara com não fazer nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cash Flow and Sensitivity of the Net Present Value</source>
        <translation>Fluxo de caixa e sensibilidade do valor presente líquido</translation>
    </message>
</context>
<context>
    <name>RiskChartText</name>
    <message>
        <source>Histogram of the NPV ($)</source>
        <translation>Histograma do VPL ($)</translation>
    </message>
    <message>
        <source>Histogram of the annual savings ($)</source>
        <translation>Histograma da economia anual ($)</translation>
    </message>
    <message>
        <source>Share of runs (%)</source>
        <translation>Parcela das iterações (%)</translation>
    </message>
    <message>
        <source>S-curve of the NPV ($)</source>
        <translation>Curva S do VPL ($)</translation>
    </message>
    <message>
        <source>S-curve of the annual savings ($)</source>
        <translation>Curva S da economia anual ($)</translation>
    </message>
    <message>
        <source>Runs at or below (%)</source>
        <translation>Iterações iguais ou inferiores (%)</translation>
    </message>
</context>
<context>
    <name>RiskRangesDialog</name>
    <message>
        <source>Risk Ranges</source>
        <translation>Faixas de risco</translation>
    </message>
    <message>
        <source>Each input varies from its low to its high value, most often near the most likely one. An input whose three fields are empty stays at its figure, shown in gray.</source>
        <translation>Cada dado varia do valor baixo ao alto, com mais frequência perto do mais provável. Um dado com os três campos vazios mantém seu valor, mostrado em cinza.</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Semente:</translation>
    </message>
    <message>
        <source>Runs:</source>
        <translation>Iterações:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>Give the low, most likely and high value of %1, or leave all three empty to keep it at its figure.</source>
        <translation>Informe os valores baixo, mais provável e alto de %1, ou deixe os três vazios para manter o valor.</translation>
    </message>
    <message>
        <source>The value %1 of %2 is no number.</source>
        <translation>O valor %1 de %2 não é um número.</translation>
    </message>
    <message>
        <source>The values of %1 are out of order: the low value may not exceed the most likely one, nor the most likely the high one.</source>
        <translation>Os valores de %1 estão fora de ordem: o baixo não pode superar o mais provável, nem este o alto.</translation>
    </message>
    <message>
        <source>The values of %1 are reductions: each from 0 to 100.</source>
        <translation>Os valores de %1 são reduções: cada um de 0 a 100.</translation>
    </message>
    <message>
        <source>The values of %1 may not be negative.</source>
        <translation>Os valores de %1 não podem ser negativos.</translation>
    </message>
    <message>
        <source>The seed %1 is no whole number from 0 to %2.</source>
        <translation>A semente %1 não é um número inteiro de 0 a %2.</translation>
    </message>
    <message>
        <source>From the records</source>
        <translation>Dos registros</translation>
    </message>
    <message>
        <source>The records give %1, shown as its P10, P50 and P90.</source>
        <translation>Os registros dão %1, mostrada por seus P10, P50 e P90.</translation>
    </message>
    <message>
        <source>The records give %1.</source>
        <translation>Os registros dão %1.</translation>
    </message>
</context>
<context>
    <name>RiskSheetText</name>
    <message>
        <source>Risk simulation</source>
        <translation>Simulação de risco</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Runs computed</source>
        <translation>Iterações calculadas</translation>
    </message>
    <message>
        <source>Runs left out (arithmetic overflows)</source>
        <translation>Iterações descartadas (estouro de cálculo)</translation>
    </message>
    <message>
        <source>fixed at its figure</source>
        <translation>fixo no seu valor</translation>
    </message>
    <message>
        <source>a gamma from the records: its P10, P50 and P90</source>
        <translation>uma gama dos registros: seus P10, P50 e P90</translation>
    </message>
</context>
<context>
    <name>RiskText</name>
    <message>
        <source>Lubrication labor reduction (%)</source>
        <translation>Redução M.O. de lubrificação (%)</translation>
    </message>
    <message>
        <source>Lubricant reduction (%)</source>
        <translation>Redução de lubrificante (%)</translation>
    </message>
    <message>
        <source>Bearings reduction (%)</source>
        <translation>Redução de rolamentos (%)</translation>
    </message>
    <message>
        <source>Replacement labor reduction (%)</source>
        <translation>Redução M.O. de troca de rolamentos (%)</translation>
    </message>
    <message>
        <source>Lost production reduction (%)</source>
        <translation>Redução de produção perdida (%)</translation>
    </message>
    <message>
        <source>Bearing failures a year</source>
        <translation>Falhas de rolamento por ano</translation>
    </message>
    <message>
        <source>Hours to replace a bearing</source>
        <translation>Horas por troca de rolamento</translation>
    </message>
    <message>
        <source>Value of an hour&apos;s production ($)</source>
        <translation>Valor da produção por hora ($)</translation>
    </message>
    <message numerus="yes">
        <source>%1 run(s) of the simulation, seed %2</source>
        <extracomment>%1: the number of runs, %2: the seed, a whole number that draws the same runs again.</extracomment>
        <translation>
            <numerusform>%1 iteração da simulação, semente %2</numerusform>
            <numerusform>%1 iterações da simulação, semente %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 run(s) left out: their arithmetic overflows.</source>
        <translation>
            <numerusform>%1 iteração descartada: o cálculo estoura.</numerusform>
            <numerusform>%1 iterações descartadas: o cálculo estoura.</numerusform>
        </translation>
    </message>
    <message>
        <source>Annual savings, P10 / P50 / P90: %1 / %2 / %3</source>
        <translation>Economia anual, P10 / P50 / P90: %1 / %2 / %3</translation>
    </message>
    <message>
        <source>Net present value, P10 / P50 / P90: %1 / %2 / %3</source>
        <translation>Valor presente líquido, P10 / P50 / P90: %1 / %2 / %3</translation>
    </message>
    <message>
        <source>Simple payback in months, P10 / P50 / P90: %1 / %2 / %3</source>
        <translation>Payback simples em meses, P10 / P50 / P90: %1 / %2 / %3</translation>
    </message>
    <message>
        <source>No run of the simulation can be computed from these figures and ranges.</source>
        <translation>Nenhuma iteração pode ser calculada com estes valores e faixas.</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Risco</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Most likely</source>
        <translation>Mais provável</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Economia anual</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valor presente líquido</translation>
    </message>
    <message>
        <source>Simple payback (months)</source>
        <translation>Payback simples (meses)</translation>
    </message>
    <message>
        <source>Chance that the NPV is below zero</source>
        <translation>Probabilidade de VPL negativo</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semente</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Iteração</translation>
    </message>
    <message>
        <source>The range of %1 is too wide: at its ends the arithmetic overflows, so the runs there cannot be computed. Narrow it to simulate the risk.</source>
        <translation>A faixa de %1 é ampla demais: nos seus extremos o cálculo estoura, e as iterações ali não podem ser calculadas. Estreite-a para simular o risco.</translation>
    </message>
    <message>
        <source>P10 is each measure&apos;s unfavorable end: savings and net present value reached in %1 of the runs, a payback reached within it in %1 of them. The inputs are drawn independently.</source>
        <extracomment>%1: nine runs in ten, &quot;90%&quot; as the language writes a percentage.</extracomment>
        <translation>P10 é o extremo desfavorável de cada medida: economia e valor presente líquido atingidos em %1 das simulações, retorno obtido dentro desse prazo em %1 delas. As entradas são sorteadas de forma independente.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1: the input&apos;s name, %2: how the records give it.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>From the records: %1.</source>
        <translation>Dos registros: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>not within the period</source>
        <translation>fora do período</translation>
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
        <translation>Nem todos os bytes puderam ser gravados.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Há uma pasta com esse nome no caminho.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>É um dispositivo, não um arquivo.</translation>
    </message>
    <message>
        <source>It is a pipe (FIFO), not a file.</source>
        <translation>É um pipe (FIFO), não um arquivo.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>É um socket, não um arquivo.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
    <message>
        <source>It cannot be read to see what it holds: %1</source>
        <translation>Não é possível lê-lo para ver o que contém: %1</translation>
    </message>
    <message>
        <source>It is not a %1, so it is not replaced.</source>
        <translation>Não é um %1, por isso não é substituído.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Nenhum nome de arquivo foi informado.</translation>
    </message>
    <message>
        <source>Its name is that of a %1, which a %2 never replaces.</source>
        <translation>Seu nome é o de um %1, que um %2 nunca substitui.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>É um link para um arquivo que não existe.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>A pasta %1 não existe.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 não é uma pasta.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>O arquivo é somente leitura.</translation>
    </message>
    <message>
        <source>Nothing was made to write.</source>
        <translation>Nada foi gerado para gravar.</translation>
    </message>
    <message>
        <source>Not every byte reached the file.</source>
        <translation>Nem todos os bytes chegaram ao arquivo.</translation>
    </message>
    <message>
        <source>facility file</source>
        <translation>arquivo de planta</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>documento PDF</translation>
    </message>
    <message>
        <source>spreadsheet workbook</source>
        <translation>arquivo de planilha</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>arquivo CSV</translation>
    </message>
    <message>
        <source>It holds JSON as a %1 does, which a %2 never replaces.</source>
        <translation>Contém JSON como um %1, que um %2 nunca substitui.</translation>
    </message>
    <message>
        <source>It is a link to %1, whose name is that of a %2, which a %3 never replaces.</source>
        <translation>É um link para %1, cujo nome é o de um %2, que um %3 nunca substitui.</translation>
    </message>
    <message>
        <source>The new file is in place, but the system did not confirm that it is on the disk: %1</source>
        <translation>O novo arquivo está no lugar, mas o sistema não confirmou que ele está no disco: %1</translation>
    </message>
    <message>
        <source>System error %1</source>
        <translation>Erro do sistema %1</translation>
    </message>
    <message>
        <source>No temporary file could be made beside it.</source>
        <translation>Não foi possível criar um arquivo temporário ao lado dele.</translation>
    </message>
</context>
<context>
    <name>SavingsChartText</name>
    <message>
        <source>Bearing failures counted up</source>
        <translation>Falhas de rolamento acumuladas</translation>
    </message>
    <message>
        <source>Failures since %1</source>
        <translation>Falhas desde %1</translation>
    </message>
    <message>
        <source>Failures counted up</source>
        <translation>Falhas acumuladas</translation>
    </message>
    <message>
        <source>At the rate before the installation</source>
        <translation>Na taxa anterior à instalação</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>Instalado em %1</translation>
    </message>
</context>
<context>
    <name>SavingsCheckText</name>
    <message>
        <source>Savings check</source>
        <translation>Verificação da economia</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Depois</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Até</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Anos</translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation>Falhas de rolamento</translation>
    </message>
    <message>
        <source>Failures a year</source>
        <translation>Falhas por ano</translation>
    </message>
    <message>
        <source>90% low</source>
        <translation>Limite inferior de 90%</translation>
    </message>
    <message>
        <source>90% high</source>
        <translation>Limite superior de 90%</translation>
    </message>
    <message>
        <source>Measured reduction</source>
        <translation>Redução medida</translation>
    </message>
    <message>
        <source>Measured reduction, 90% low</source>
        <translation>Redução medida, limite inferior de 90%</translation>
    </message>
    <message>
        <source>Measured reduction, 90% high</source>
        <translation>Redução medida, limite superior de 90%</translation>
    </message>
    <message>
        <source>Assumed reduction</source>
        <translation>Redução presumida</translation>
    </message>
    <message>
        <source>%1 between any rise and %2 fewer</source>
        <translation>a %1 entre qualquer aumento e %2 a menos</translation>
    </message>
    <message>
        <source>%1 at least %2 more</source>
        <translation>a %1 pelo menos %2 a mais</translation>
    </message>
    <message>
        <source>%1 between %2 and %3 fewer</source>
        <translation>a %1 entre %2 e %3 a menos</translation>
    </message>
    <message>
        <source>%1 between %2 and %3 more</source>
        <translation>a %1 entre %2 e %3 a mais</translation>
    </message>
    <message>
        <source>%1 between %2 more and %3 fewer</source>
        <translation>a %1 entre %2 a mais e %3 a menos</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>sem mudança</translation>
    </message>
    <message>
        <source>%1 fewer</source>
        <translation>%1 a menos</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 a mais</translation>
    </message>
    <message>
        <source>The case assumes %1 fewer bearing failures; the records measure %2, %3.</source>
        <extracomment>%1: the assumed reduction (&quot;80%&quot;), %2: the measured one (&quot;71% fewer&quot;, &quot;13% more&quot;), %3: its interval (&quot;90% between 48% and 85% fewer&quot;).</extracomment>
        <translation>O cálculo presume %1 a menos de falhas de rolamento; os registros medem %2, %3.</translation>
    </message>
    <message>
        <source>%1 a year, %2 between %3 and %4</source>
        <extracomment>%1: failures a year, %2: &quot;90%&quot;, %3 and %4: the interval&apos;s ends.</extracomment>
        <translation>%1 por ano, a %2 entre %3 e %4</translation>
    </message>
    <message numerus="yes">
        <source>Before %1: %Ln bearing failure(s) in %2 years, %3</source>
        <translation>
            <numerusform>Antes de %1: %Ln falha de rolamento em %2 anos, %3</numerusform>
            <numerusform>Antes de %1: %Ln falhas de rolamento em %2 anos, %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From %1 on: %Ln bearing failure(s) in %2 years, %3</source>
        <translation>
            <numerusform>A partir de %1: %Ln falha de rolamento em %2 anos, %3</numerusform>
            <numerusform>A partir de %1: %Ln falhas de rolamento em %2 anos, %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavingsKindsText</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Hard savings, cash the plant no longer pays: %1.</source>
        <translation>Economias tangíveis, dinheiro que a planta deixa de pagar: %1.</translation>
    </message>
    <message>
        <source>Soft savings, not cash until they replace costs the plant pays: %1.</source>
        <translation>Economias intangíveis, que não são caixa até substituírem custos que a planta paga: %1.</translation>
    </message>
    <message>
        <source>The freed lubrication hours are counted as cash.</source>
        <translation>As horas de lubrificação liberadas são contadas como caixa.</translation>
    </message>
    <message>
        <source>The freed lubrication hours go to %1, counted as cash.</source>
        <translation>As horas de lubrificação liberadas vão para %1, contadas como caixa.</translation>
    </message>
    <message>
        <source>Nothing says what the freed lubrication hours will do.</source>
        <translation>Nada indica para que serão usadas as horas de lubrificação liberadas.</translation>
    </message>
    <message>
        <source>The freed lubrication hours go to %1, not counted as cash.</source>
        <translation>As horas de lubrificação liberadas vão para %1, não contadas como caixa.</translation>
    </message>
    <message>
        <source>The lost production is cash at its contribution margin.</source>
        <translation>A produção perdida conta como caixa pela sua margem de contribuição.</translation>
    </message>
    <message>
        <source>The lost production is counted as cash at the full production value.</source>
        <translation>A produção perdida é contada como caixa pelo valor de produção inteiro.</translation>
    </message>
    <message>
        <source>The lost production is valued at revenue, not at its margin.</source>
        <translation>A produção perdida é valorada pela receita, não pela sua margem.</translation>
    </message>
</context>
<context>
    <name>SummaryText</name>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moeda</translation>
    </message>
    <message>
        <source>Payback (months)</source>
        <translation>Payback (meses)</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valor presente líquido</translation>
    </message>
    <message>
        <source>Its figures cannot be computed: %1.</source>
        <translation>Não é possível calcular seus valores: %1.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Could not sum up %1. %2</source>
        <translation>Não foi possível totalizar %1. %2</translation>
    </message>
    <message>
        <source>A summary is written as .csv or .xlsx.</source>
        <translation>Um resumo é gravado como .csv ou .xlsx.</translation>
    </message>
    <message>
        <source>Could not write the summary to %1. %2</source>
        <translation>Não foi possível gravar o resumo em %1. %2</translation>
    </message>
    <message>
        <source>Paid back</source>
        <translation>Payback</translation>
    </message>
    <message>
        <source>within</source>
        <translation>dentro do período</translation>
    </message>
    <message>
        <source>not within</source>
        <translation>fora do período</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Net present value on hard savings</source>
        <translation>Valor presente líquido com economias tangíveis</translation>
    </message>
</context>
<context>
    <name>TableTitles</name>
    <message>
        <source>Current Cost</source>
        <translation>Custo atual</translation>
    </message>
    <message>
        <source>ANUAL COST OF MANUAL LUBRICATION</source>
        <translation>CUSTO ANUAL DA LUBRIFICAÇÃO MANUAL</translation>
    </message>
    <message>
        <source>Current annual cost</source>
        <translation>Custo anual atual</translation>
    </message>
    <message>
        <source>Velmor Cost</source>
        <translation>Custo Velmor</translation>
    </message>
    <message>
        <source>ANNUAL COST OF LUBRICATION USING VELMOR AUTOMATIC LUBRICATION SYSTEM</source>
        <translation>CUSTO ANUAL DA LUBRIFICAÇÃO COM O SISTEMA DE LUBRIFICAÇÃO AUTOMÁTICA VELMOR</translation>
    </message>
    <message>
        <source>Velmor annual cost</source>
        <translation>Custo anual com Velmor</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Economia</translation>
    </message>
    <message>
        <source>ANNUAL COST SAVINGS REALIZED BY USING VELMOR AUTOMATION VS. MANUAL LUBRICATION</source>
        <translation>ECONOMIA ANUAL OBTIDA COM A AUTOMAÇÃO VELMOR EM RELAÇÃO À LUBRIFICAÇÃO MANUAL</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Economia anual</translation>
    </message>
</context>
<context>
    <name>WorkOrderText</name>
    <message>
        <source>No column is chosen for the date.</source>
        <translation>Nenhuma coluna foi escolhida para a data.</translation>
    </message>
    <message>
        <source>The date %1 on line %2 does not read as a date.</source>
        <translation>A data %1 na linha %2 não pode ser lida como data.</translation>
    </message>
    <message>
        <source>The records hold no work orders.</source>
        <translation>Os registros não contêm nenhuma ordem de serviço.</translation>
    </message>
    <message>
        <source>The hours %1 on line %2 are no number.</source>
        <translation>As horas %1 na linha %2 não são um número.</translation>
    </message>
    <message>
        <source>The repair hours %1 on line %2 are more than two weeks for one repair.</source>
        <translation>As horas de reparo %1 na linha %2 passam de duas semanas para um único reparo.</translation>
    </message>
    <message>
        <source>The records hold no work orders from %1 to %2.</source>
        <translation>Os registros não contêm ordens de serviço de %1 a %2.</translation>
    </message>
</context>
<context>
    <name>WorkbookText</name>
    <message>
        <source>Figure</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Reduction with Velmor</source>
        <translation>Redução com Velmor</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentagem</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investimento</translation>
    </message>
    <message>
        <source>Installed system price</source>
        <translation>Preço do sistema instalado</translation>
    </message>
    <message>
        <source>Installation cost</source>
        <translation>Custo de instalação</translation>
    </message>
    <message>
        <source>Annual upkeep</source>
        <translation>Manutenção anual</translation>
    </message>
    <message>
        <source>per year</source>
        <translation>por ano</translation>
    </message>
    <message>
        <source>Evaluation period</source>
        <translation>Período de avaliação</translation>
    </message>
    <message>
        <source>years (1 to %1)</source>
        <translation>anos (1 a %1)</translation>
    </message>
    <message>
        <source>Discount rate</source>
        <translation>Taxa de desconto</translation>
    </message>
    <message>
        <source>% a year</source>
        <translation>% ao ano</translation>
    </message>
    <message>
        <source>Business Case</source>
        <translation>Análise de Investimento</translation>
    </message>
    <message>
        <source>Initial outlay (price + installation)</source>
        <translation>Investimento inicial (preço + instalação)</translation>
    </message>
    <message>
        <source>Simple payback, months</source>
        <translation>Payback simples, meses</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valor presente líquido</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>Taxa interna de retorno</translation>
    </message>
    <message>
        <source>The figures cannot be computed: %1.</source>
        <translation>Não é possível calcular os valores: %1.</translation>
    </message>
    <message>
        <source>Could not write the workbook %1. %2</source>
        <translation>Não foi possível gravar a planilha %1. %2</translation>
    </message>
    <message>
        <source>No temporary folder could be made for it: %1</source>
        <translation>Não foi possível criar uma pasta temporária para ela: %1</translation>
    </message>
    <message>
        <source>The workbook could not be started.</source>
        <translation>Não foi possível iniciar a planilha.</translation>
    </message>
    <message>
        <source>The workbook made could not be read back.</source>
        <translation>Não foi possível reler a planilha gerada.</translation>
    </message>
    <message>
        <source>The workbook could not be made: %1</source>
        <translation>Não foi possível gerar a planilha: %1</translation>
    </message>
    <message>
        <source>The temporary folder %1 may be full, or a file size limit was reached.</source>
        <translation>A pasta temporária %1 pode estar cheia, ou um limite de tamanho de arquivo foi atingido.</translation>
    </message>
    <message>
        <source>Its part %1 came out cut short or damaged.</source>
        <translation>Sua parte %1 ficou incompleta ou danificada.</translation>
    </message>
    <message>
        <source>Capital request</source>
        <translation>Solicitação de investimento</translation>
    </message>
    <message>
        <source>Escalation of the labor rates</source>
        <translation>Reajuste do valor da hora</translation>
    </message>
    <message>
        <source>Escalation of the lubricant price</source>
        <translation>Reajuste do preço do lubrificante</translation>
    </message>
    <message>
        <source>Escalation of the bearing price</source>
        <translation>Reajuste do preço dos rolamentos</translation>
    </message>
    <message>
        <source>Escalation of the production value</source>
        <translation>Reajuste do valor da produção</translation>
    </message>
    <message>
        <source>Escalation of the upkeep</source>
        <translation>Reajuste da manutenção</translation>
    </message>
    <message>
        <source>Income tax rate</source>
        <translation>Alíquota do imposto de renda</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Depreciação</translation>
    </message>
    <message>
        <source>0 none, 1 straight-line, 2 declining balance</source>
        <translation>0 nenhuma, 1 linear, 2 saldo decrescente</translation>
    </message>
    <message>
        <source>Depreciation period</source>
        <translation>Prazo de depreciação</translation>
    </message>
    <message>
        <source>years (straight-line)</source>
        <translation>anos (linear)</translation>
    </message>
    <message>
        <source>Declining-balance rate</source>
        <translation>Taxa de depreciação por saldo decrescente</translation>
    </message>
    <message>
        <source>% of the book value a year</source>
        <translation>% do valor contábil ao ano</translation>
    </message>
    <message>
        <source>First-year share of the savings</source>
        <translation>Parcela da economia no primeiro ano</translation>
    </message>
    <message>
        <source>Timing of the annual flows</source>
        <translation>Momento dos fluxos anuais</translation>
    </message>
    <message>
        <source>0 year-end, 1 mid-year</source>
        <translation>0 fim do ano, 1 meio do ano</translation>
    </message>
    <message>
        <source>Residual value</source>
        <translation>Valor residual</translation>
    </message>
    <message>
        <source>at the period&apos;s end</source>
        <translation>no fim do período</translation>
    </message>
    <message>
        <source>Book value</source>
        <translation>Valor contábil</translation>
    </message>
    <message>
        <source>Discount factor</source>
        <translation>Fator de desconto</translation>
    </message>
    <message>
        <source>Paid back by (months)</source>
        <translation>Recuperado em (meses)</translation>
    </message>
    <message>
        <source>Paid back discounted by (years)</source>
        <translation>Recuperado descontado em (anos)</translation>
    </message>
    <message>
        <source>Half year</source>
        <translation>Semestre</translation>
    </message>
    <message>
        <source>Flow at the half year</source>
        <translation>Fluxo no semestre</translation>
    </message>
    <message>
        <source>Sign so far</source>
        <translation>Sinal até agora</translation>
    </message>
    <message>
        <source>Net of year 1 (savings − upkeep)</source>
        <translation>Fluxo líquido do ano 1 (economia − manutenção)</translation>
    </message>
    <message>
        <source>Return on investment over the period (undiscounted)</source>
        <translation>Retorno sobre o investimento no período (sem desconto)</translation>
    </message>
    <message>
        <source>Annualised return on investment</source>
        <translation>Retorno sobre o investimento anualizado</translation>
    </message>
    <message>
        <source>Profitability index (NPV ÷ initial outlay + 1)</source>
        <translation>Índice de lucratividade (VPL ÷ investimento inicial + 1)</translation>
    </message>
    <message>
        <source>Discounted payback, years</source>
        <translation>Payback descontado, anos</translation>
    </message>
    <message numerus="yes">
        <source>not within the %1 year(s)</source>
        <translation>
            <numerusform>não ocorre em %1 ano</numerusform>
            <numerusform>não ocorre nos %1 anos</numerusform>
        </translation>
    </message>
    <message>
        <source>none: the cash flows never change sign</source>
        <translation>nenhuma: os fluxos de caixa nunca mudam de sinal</translation>
    </message>
    <message>
        <source>none: the cash flows change sign more than once</source>
        <translation>nenhuma: os fluxos de caixa mudam de sinal mais de uma vez</translation>
    </message>
    <message>
        <source>Sum of (net − year 1&apos;s net)</source>
        <translation>Soma (líquido − líquido do ano 1)</translation>
    </message>
    <message>
        <source>never: the annual nets do not recover the outlay</source>
        <translation>nunca: os fluxos líquidos anuais não cobrem o investimento</translation>
    </message>
    <message>
        <source>Business Case on Hard Savings</source>
        <translation>Análise de investimento com economias tangíveis</translation>
    </message>
    <message>
        <source>Lost production</source>
        <translation>Produção perdida</translation>
    </message>
    <message>
        <source>Contribution margin</source>
        <translation>Margem de contribuição</translation>
    </message>
    <message>
        <source>% (sold out: the whole production value)</source>
        <translation>% (vende tudo: o valor de produção inteiro)</translation>
    </message>
    <message>
        <source>% of the production value</source>
        <translation>% do valor de produção</translation>
    </message>
    <message>
        <source>Lost output made up later</source>
        <translation>Produção perdida recuperada depois</translation>
    </message>
    <message>
        <source>People standing idle during a stop</source>
        <translation>Pessoas paradas durante uma parada</translation>
    </message>
    <message>
        <source>Their hourly rate</source>
        <translation>Sua taxa horária</translation>
    </message>
    <message>
        <source>%1/hour</source>
        <translation>%1/hora</translation>
    </message>
    <message>
        <source>Stop per failure</source>
        <translation>Parada por falha</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>Cash (1) or not (0)</source>
        <translation>Caixa (1) ou não (0)</translation>
    </message>
    <message>
        <source>The freed hours go to %1</source>
        <translation>As horas liberadas vão para %1</translation>
    </message>
    <message>
        <source>Hard savings</source>
        <translation>Economias tangíveis</translation>
    </message>
    <message>
        <source>Total hard savings</source>
        <translation>Total de economias tangíveis</translation>
    </message>
    <message>
        <source>Initial outlay (price + installation + contingency)</source>
        <translation>Investimento inicial (preço + instalação + contingência)</translation>
    </message>
    <message>
        <source>Contingency</source>
        <translation>Contingência</translation>
    </message>
    <message>
        <source>% of the price and installation</source>
        <translation>% do preço e da instalação</translation>
    </message>
    <message>
        <source>Estimate accuracy, below</source>
        <translation>Precisão da estimativa, abaixo</translation>
    </message>
    <message>
        <source>Estimate accuracy, above</source>
        <translation>Precisão da estimativa, acima</translation>
    </message>
    <message>
        <source>Hurdle rate</source>
        <translation>Taxa mínima de atratividade</translation>
    </message>
    <message>
        <source>Initial outlay, with the one-off items at the start</source>
        <translation>Investimento inicial, com os itens pontuais do início</translation>
    </message>
    <message>
        <source>Other annual savings</source>
        <translation>Outras economias anuais</translation>
    </message>
    <message>
        <source>One-off items</source>
        <translation>Itens pontuais</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Every (years, 0 once)</source>
        <translation>A cada (anos, 0 uma vez)</translation>
    </message>
    <message>
        <source>Alternatives Considered</source>
        <translation>Alternativas consideradas</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Economia anual</translation>
    </message>
    <message>
        <source>Outlay</source>
        <translation>Investimento inicial</translation>
    </message>
    <message>
        <source>Discount rate (%)</source>
        <translation>Taxa de desconto (%)</translation>
    </message>
    <message>
        <source>NPV on hard savings</source>
        <translation>VPL com economias tangíveis</translation>
    </message>
    <message>
        <source>Set against</source>
        <translation>Comparada com</translation>
    </message>
    <message>
        <source>Incremental NPV</source>
        <translation>VPL incremental</translation>
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
        <translation>Compara o custo anual de lubrificar uma planta manualmente com o custo de um sistema de lubrificação automática Velmor.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>A facility file (.velmor) to open.</source>
        <translation>Um arquivo de planta (.velmor) para abrir.</translation>
    </message>
    <message>
        <source>one facility file at a time, not %1</source>
        <translation>um arquivo de planta por vez, não %1</translation>
    </message>
    <message>
        <source>--report needs the name of the PDF file to write</source>
        <translation>--report precisa do nome do arquivo PDF a gravar</translation>
    </message>
    <message>
        <source>Shows the window and writes the report in LANGUAGE: %1.</source>
        <translation>Mostra a janela e gera o relatório no idioma LANGUAGE: %1.</translation>
    </message>
    <message>
        <source>no language &quot;%1&quot;; the languages are %2</source>
        <translation>não há o idioma “%1”; os idiomas são %2</translation>
    </message>
    <message>
        <source>Writes the customer report of FILE, or of the default figures, to OUT as a PDF, without opening a window.</source>
        <translation>Grava o relatório para o cliente de FILE, ou dos valores padrão, em OUT como PDF, sem abrir janela.</translation>
    </message>
    <message>
        <source>Writes the figures of FILE, or the default figures, to OUT as a workbook (.xlsx) whose costs are formulas, without opening a window.</source>
        <translation>Grava os valores de FILE, ou os valores padrão, em OUT como uma planilha (.xlsx) cujos custos são fórmulas, sem abrir janela.</translation>
    </message>
    <message>
        <source>one of --report, --workbook and --summary at a time</source>
        <translation>apenas um de --report, --workbook e --summary por vez</translation>
    </message>
    <message>
        <source>--summary needs the name of the file to write</source>
        <translation>--summary precisa do nome do arquivo a gravar</translation>
    </message>
    <message>
        <source>--summary needs at least one facility file</source>
        <translation>--summary precisa de pelo menos um arquivo de planta</translation>
    </message>
    <message>
        <source>--workbook needs the name of the workbook to write</source>
        <translation>--workbook precisa do nome da planilha a gravar</translation>
    </message>
    <message>
        <source>Writes one row for each FILE (its totals, payback and net present value) and a total row to OUT, a .csv or .xlsx file. A file listed twice, by any name, is refused rather than counted twice.</source>
        <translation>Grava uma linha para cada FILE (seus totais, payback e valor presente líquido) e uma linha de total em OUT, um arquivo .csv ou .xlsx. Um arquivo indicado duas vezes, com qualquer nome, é recusado em vez de contado duas vezes.</translation>
    </message>
    <message>
        <source>--%1 is given more than once; one file is written at a time</source>
        <translation>--%1 foi informado mais de uma vez; um arquivo é gravado por vez</translation>
    </message>
    <message>
        <source>--summary lists %1 twice</source>
        <translation>--summary lista %1 duas vezes</translation>
    </message>
    <message>
        <source>--summary lists one file twice, as %1 and as %2</source>
        <translation>--summary lista um arquivo duas vezes, como %1 e como %2</translation>
    </message>
    <message>
        <source>Could not use the figures of %1. %2</source>
        <translation>Não foi possível usar os valores de %1. %2</translation>
    </message>
    <message>
        <source>The dates of column %1 could be day first or month first (03/04/2024); their order can be chosen in the window.</source>
        <translation>As datas da coluna %1 podem começar pelo dia ou pelo mês (03/04/2024); a ordem pode ser escolhida na janela.</translation>
    </message>
    <message>
        <source>Reads a work-order export (.csv, .txt or .xlsx) with the columns guessed from its header and writes what its bearing failures and repair hours come to; with --report or --workbook, applies them to the figures of FILE, or the default figures, before writing.</source>
        <translation>Lê uma exportação de ordens de serviço (.csv, .txt ou .xlsx), reconhece as colunas pelo cabeçalho e escreve o resultado das falhas de rolamento e das horas de reparo; com --report ou --workbook, aplica-o aos dados de FILE, ou aos dados padrão, antes de gravar.</translation>
    </message>
    <message>
        <source>--records is given more than once; one export is read at a time</source>
        <translation>--records foi informado mais de uma vez; uma exportação é lida por vez</translation>
    </message>
    <message>
        <source>--records needs the name of the export to read</source>
        <translation>--records precisa do nome da exportação a ler</translation>
    </message>
    <message>
        <source>--records goes with --report or --workbook, not with --summary</source>
        <translation>--records é usado com --report ou --workbook, não com --summary</translation>
    </message>
    <message>
        <source>It has no sheet %1.</source>
        <translation>Ela não tem nenhuma planilha %1.</translation>
    </message>
    <message>
        <source>--%1 goes with --records</source>
        <translation>--%1 é usado junto com --records</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 foi informado mais de uma vez</translation>
    </message>
    <message>
        <source>--date-order is dmy or mdy, not &quot;%1&quot;</source>
        <translation>--date-order é dmy ou mdy, não “%1”</translation>
    </message>
    <message>
        <source>With --records, reads the workbook&apos;s sheet SHEET, by its number from 1 or its name, instead of the first.</source>
        <translation>Com --records, lê a planilha SHEET da pasta de trabalho, pelo número a partir de 1 ou pelo nome, em vez da primeira.</translation>
    </message>
    <message>
        <source>With --records, reads the columns named in COLUMNS (&quot;date=Datum,description=Text,repairHours=Ist-Arbeit&quot;; also asset, workType and downtimeHours) instead of those guessed from the header.</source>
        <translation>Com --records, lê as colunas indicadas em COLUMNS (“date=Datum,description=Text,repairHours=Ist-Arbeit”; também asset, workType e downtimeHours) em vez das deduzidas do cabeçalho.</translation>
    </message>
    <message>
        <source>With --records, counts the work orders whose type or description holds one of WORDS (separated by commas) as bearing failures; given, no failure found is a result, not a refusal.</source>
        <translation>Com --records, conta como falhas de rolamento as ordens de serviço cujo tipo ou descrição contém uma das WORDS (separadas por vírgulas); se informadas, nenhuma falha encontrada é um resultado, não uma recusa.</translation>
    </message>
    <message>
        <source>With --records, reads dates such as 03/04/2024 day first (dmy) or month first (mdy) where the export does not tell.</source>
        <translation>Com --records, lê datas como 03/04/2024 com o dia primeiro (dmy) ou o mês primeiro (mdy) quando a exportação não deixa claro.</translation>
    </message>
    <message>
        <source>With --records, counts only the work orders of the work types TYPES (separated by commas, e.g. &quot;CM,EM&quot;) as failures, instead of the corrective and breakdown types guessed from the work-type column.</source>
        <translation>Com --records, conta como falhas apenas as ordens de serviço dos tipos TYPES (separados por vírgulas, p. ex. “CM,EM”), em vez dos tipos corretivos e de quebra deduzidos da coluna de tipo de ordem.</translation>
    </message>
    <message>
        <source>--installed takes a date such as 2024-03-01, not &quot;%1&quot;</source>
        <translation>--installed espera uma data como 2024-03-01, não “%1”</translation>
    </message>
    <message>
        <source>With --records, checks the failures before the system was installed on DATE (2024-03-01) against those after it, beside the reduction the case assumes.</source>
        <translation>Com --records, compara as falhas antes da instalação do sistema em DATE (2024-03-01) com as posteriores, ao lado da redução suposta.</translation>
    </message>
    <message>
        <source>--repeat-days takes a number of days from 0 to %1, not &quot;%2&quot;</source>
        <translation>--repeat-days espera um número de dias de 0 a %1, não “%2”</translation>
    </message>
    <message>
        <source>With --records, counts the failures from FROM to TO (2023-01-01:2024-12-31), the period the export covers, instead of from its first order to its last.</source>
        <translation>Com --records, conta as falhas de FROM a TO (2023-01-01:2024-12-31), o período que a exportação cobre, em vez da primeira ordem à última.</translation>
    </message>
    <message>
        <source>With --records, counts orders on one asset within DAYS days of each other as one failure (7 unless given).</source>
        <translation>Com --records, conta como uma falha as ordens de um equipamento com até DAYS dias entre si (7 se não informado).</translation>
    </message>
    <message>
        <source>With --records, values the lost production of a failure over the export&apos;s mean downtime instead of the repair hours, where the export has downtime hours.</source>
        <translation>Com --records, valora a produção perdida de uma falha pelo tempo médio de parada da exportação em vez das horas de reparo, se a exportação tiver horas de parada.</translation>
    </message>
</context>
<context>
    <name>platform::ChartControl</name>
    <message>
        <source>negative figures not drawn</source>
        <translation>valores negativos não desenhados</translation>
    </message>
</context>
</TS>
