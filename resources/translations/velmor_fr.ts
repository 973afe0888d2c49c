<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AlternativesDialog</name>
    <message>
        <source>Alternatives</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>The selected option, in bold, is the one the Business Case window, the tables and the report show. To change another option, select it: its investment then stands in the Business Case window&apos;s fields, and its reductions in Assumptions… once that window is closed with OK.</source>
        <translation>L’option sélectionnée, en gras, est celle que montrent la fenêtre Analyse de rentabilité, les tableaux et le rapport. Pour modifier une autre option, sélectionnez-la&#xa0;: son investissement figure alors dans les champs de la fenêtre Analyse de rentabilité, et ses réductions dans Hypothèses… une fois cette fenêtre fermée par OK.</translation>
    </message>
    <message>
        <source>&amp;Add Option…</source>
        <translation>&amp;Ajouter une option…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renommer…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>Sé&amp;lectionner</translation>
    </message>
    <message>
        <source>The case weighs one option against doing nothing. Add an option to set others beside it.</source>
        <translation>L’analyse compare une seule option à l’inaction. Ajoutez une option pour en placer d’autres à côté.</translation>
    </message>
    <message>
        <source>Name of the option:</source>
        <translation>Nom de l’option&#xa0;:</translation>
    </message>
    <message>
        <source>An option needs a name.</source>
        <translation>Une option doit avoir un nom.</translation>
    </message>
    <message>
        <source>An option&apos;s name holds at most %1 characters.</source>
        <translation>Le nom d’une option compte au plus %1&#xa0;caractères.</translation>
    </message>
    <message>
        <source>The case already has an option named %1.</source>
        <translation>L’analyse a déjà une option nommée %1.</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Option %1</translation>
    </message>
    <message>
        <source>Add Option</source>
        <translation>Ajouter une option</translation>
    </message>
    <message>
        <source>Rename Option</source>
        <translation>Renommer l’option</translation>
    </message>
</context>
<context>
    <name>AlternativesText</name>
    <message>
        <source>No system price is given.</source>
        <translation>Aucun prix du système n’est indiqué.</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>Automatic lubrication</source>
        <translation>Lubrification automatique</translation>
    </message>
    <message>
        <source>Set against</source>
        <translation>Comparée à</translation>
    </message>
    <message>
        <source>Added outlay</source>
        <translation>Investissement initial supplémentaire</translation>
    </message>
    <message>
        <source>Incremental NPV</source>
        <translation>VAN différentielle</translation>
    </message>
    <message>
        <source>Incremental IRR</source>
        <translation>TRI différentiel</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Économies annuelles</translation>
    </message>
    <message>
        <source>Outlay</source>
        <translation>Investissement initial</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valeur actuelle nette</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>Taux de rendement interne</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Délai de récupération</translation>
    </message>
    <message>
        <source>NPV on hard savings</source>
        <translation>VAN sur économies réelles</translation>
    </message>
    <message>
        <source>No option has a net present value above zero: doing nothing costs least.</source>
        <translation>Aucune option n’a une valeur actuelle nette positive&#xa0;: ne rien faire coûte le moins.</translation>
    </message>
    <message>
        <source>Of the options considered, %1 has the highest net present value, %2.</source>
        <translation>Parmi les options étudiées, %1 a la valeur actuelle nette la plus élevée, %2.</translation>
    </message>
    <message>
        <source>Each option is set against the next cheaper one: its incremental net present value and rate of return are those of what it costs and saves beyond that one, and its added outlay pays where the incremental net present value is above zero.</source>
        <translation>Chaque option est comparée à la suivante moins chère&#xa0;: sa valeur actuelle nette et son taux de rendement différentiels sont ceux de ce qu’elle coûte et économise au-delà de celle-ci, et son investissement initial supplémentaire est rentable lorsque la valeur actuelle nette différentielle est positive.</translation>
    </message>
    <message>
        <source>The other pages show %1.</source>
        <translation>Les autres pages montrent %1.</translation>
    </message>
    <message>
        <source>%1 is not evaluated: %2</source>
        <translation>%1 n’est pas évaluée&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is evaluated over another period, at another rate or timing than %2, so their flows are not set against each other.</source>
        <translation>%1 est évaluée sur une autre durée, à un autre taux ou selon un autre calendrier que %2&#xa0;: leurs flux ne sont donc pas comparés.</translation>
    </message>
</context>
<context>
    <name>ArithmeticFault</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Invalid operation</source>
        <translation>Opération non valide</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Automatic Lubrication Systems</source>
        <extracomment>tag line under the VELMOR wordmark; about 30 characters fit the Your Data banner at full size</extracomment>
        <translation>Lubrification automatique</translation>
    </message>
    <message>
        <source>Velmor Automatic Lubrication Systems · Cost Savings Calculator</source>
        <extracomment>title band of the main window; a longer title is drawn a little smaller, or on two lines</extracomment>
        <translation>Systèmes de lubrification automatique Velmor · Calculateur d’économies</translation>
    </message>
    <message>
        <source>HALDMARK®, Inc. · 1200 Industrial Parkway · Springfield, OH  45501</source>
        <extracomment>the maker&apos;s postal address in the main window&apos;s footer; keep it, adding the country where readers need it</extracomment>
        <translation>HALDMARK®, Inc. · 1200 Industrial Parkway · Springfield, OH  45501, États-Unis</translation>
    </message>
    <message>
        <source>Phone %1 · Fax %2 · %3</source>
        <extracomment>main window&apos;s footer: %1 phone number, %2 fax number, %3 web site</extracomment>
        <translation>Tél. %1 · Fax %2 · %3</translation>
    </message>
    <message>
        <source>Centralized lubrication that pays for itself</source>
        <extracomment>slogan in the results&apos; banner; it may take two lines</extracomment>
        <translation>La lubrification centralisée qui se rentabilise d’elle-même</translation>
    </message>
    <message>
        <source>Lubrication Systems</source>
        <extracomment>short tag line under the VELMOR wordmark; about 22 characters fit at full size</extracomment>
        <translation>Systèmes de lubrification</translation>
    </message>
    <message>
        <source>Centralized lubrication systems</source>
        <extracomment>subtitle under the maker&apos;s logotype in the About window</extracomment>
        <translation>Systèmes de lubrification centralisée</translation>
    </message>
    <message>
        <source>Engineering tools
for industry
since 1994</source>
        <extracomment>the software designer&apos;s motto in the About window: three short lines, each about 18 characters</extracomment>
        <translation>Outils d’ingénierie
pour l’industrie
depuis 1994</translation>
    </message>
</context>
<context>
    <name>AssetTableText</name>
    <message>
        <source>Asset</source>
        <translation>Équipement</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Défaillances</translation>
    </message>
    <message>
        <source>A year</source>
        <translation>Par an</translation>
    </message>
    <message>
        <source>Share of all failures</source>
        <translation>Part de toutes les défaillances</translation>
    </message>
    <message>
        <source>Median repair hours</source>
        <translation>Heures de réparation (médiane)</translation>
    </message>
    <message>
        <source>Median downtime hours</source>
        <translation>Heures d’arrêt (médiane)</translation>
    </message>
    <message>
        <source>Repeat failures</source>
        <translation>Défaillances répétées</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>In the column &quot;Repeat failures&quot;, for an asset that failed three times or more.</extracomment>
        <translation>oui</translation>
    </message>
</context>
<context>
    <name>AssumptionsDialog</name>
    <message>
        <source>Assumptions</source>
        <translation>Hypothèses</translation>
    </message>
    <message>
        <source>How much of each annual cost a Velmor automatic lubrication system is assumed to save, in percent (0 to 100, in tenths):</source>
        <translation>Part de chaque coût annuel qu’un système de lubrification automatique Velmor est censé économiser, en pour cent (de 0 à 100, au dixième près)&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (%):</source>
        <translation>%1 (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>The reduction of %1 %2 is not a percentage from 0 to 100 with at most one decimal.</source>
        <translation>La réduction de %1 %2 n’est pas un pourcentage de 0 à 100 avec au plus une décimale.</translation>
    </message>
    <message>
        <source>Split the savings into hard (cash the plant no longer pays) and soft</source>
        <translation>Séparer les économies en économies réelles (trésorerie que l’usine ne dépense plus) et indirectes</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Trésorerie</translation>
    </message>
    <message>
        <source>e.g. overtime no longer paid</source>
        <translation>p. ex. heures supplémentaires plus payées</translation>
    </message>
    <message>
        <source>The freed lubrication hours go to:</source>
        <translation>Les heures de graissage libérées vont à&#xa0;:</translation>
    </message>
    <message>
        <source>How a failure&apos;s stop is valued; empty fields keep the production value per hour over the hours to replace a bearing:</source>
        <translation>Valorisation de l’arrêt dû à une défaillance&#xa0;; les champs vides conservent la valeur de production horaire sur les heures de remplacement d’un roulement&#xa0;:</translation>
    </message>
    <message>
        <source>Contribution margin (% of the production value)</source>
        <translation>Marge sur coûts variables (% de la valeur de production)</translation>
    </message>
    <message>
        <source>Lost output made up later (%)</source>
        <translation>Production perdue rattrapée plus tard (%)</translation>
    </message>
    <message>
        <source>People standing idle during a stop</source>
        <translation>Personnes inactives pendant un arrêt</translation>
    </message>
    <message>
        <source>Their hourly rate (%1/hour)</source>
        <translation>Leur taux horaire (%1/heure)</translation>
    </message>
    <message>
        <source>Stop per failure (hours)</source>
        <translation>Arrêt par défaillance (heures)</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A field&apos;s caption before the field.</extracomment>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>The plant is sold out: every hour lost is revenue lost</source>
        <translation>L’usine est à pleine capacité&#xa0;: chaque heure perdue est du chiffre d’affaires perdu</translation>
    </message>
    <message>
        <source>The %1 %2 is not a number from 0 to %3.</source>
        <translation>Le champ %1 %2 n’est pas un nombre de 0 à %3.</translation>
    </message>
</context>
<context>
    <name>BusinessCase</name>
    <message>
        <source>The %1 %2 %3.</source>
        <translation>%1 %2 %3.</translation>
    </message>
    <message>
        <source>installed system price</source>
        <translation>Le prix du système installé</translation>
    </message>
    <message>
        <source>is not a sum of money</source>
        <translation>n’est pas un montant valide</translation>
    </message>
    <message>
        <source>installation cost</source>
        <translation>Le coût d’installation</translation>
    </message>
    <message>
        <source>annual upkeep</source>
        <translation>L’entretien annuel</translation>
    </message>
    <message>
        <source>evaluation period</source>
        <translation>La période d’évaluation</translation>
    </message>
    <message>
        <source>is not a whole number of years from 1 to 50</source>
        <translation>n’est pas un nombre entier d’années de 1 à 50</translation>
    </message>
    <message>
        <source>discount rate</source>
        <translation>Le taux d’actualisation</translation>
    </message>
    <message>
        <source>is more than %1</source>
        <translation>dépasse %1</translation>
    </message>
    <message>
        <source>is not a percentage from %1 to %2</source>
        <translation>n’est pas un pourcentage de %1 à %2</translation>
    </message>
    <message>
        <source>An installed system price is needed: without it the installation cost and the annual upkeep are not evaluated.</source>
        <translation>Le prix du système installé est nécessaire&#xa0;: sans lui, le coût d’installation et l’entretien annuel ne sont pas évalués.</translation>
    </message>
    <message>
        <source>annual escalation of the labor rates</source>
        <translation>L’indexation annuelle des taux horaires</translation>
    </message>
    <message>
        <source>annual escalation of the lubricant price</source>
        <translation>L’indexation annuelle du prix du lubrifiant</translation>
    </message>
    <message>
        <source>annual escalation of the bearing price</source>
        <translation>L’indexation annuelle du prix des roulements</translation>
    </message>
    <message>
        <source>annual escalation of the production value</source>
        <translation>L’indexation annuelle de la valeur de la production</translation>
    </message>
    <message>
        <source>annual escalation of the upkeep</source>
        <translation>L’indexation annuelle de l’entretien</translation>
    </message>
    <message>
        <source>income tax rate</source>
        <translation>Le taux d’imposition</translation>
    </message>
    <message>
        <source>declining-balance rate</source>
        <translation>Le taux d’amortissement dégressif</translation>
    </message>
    <message>
        <source>first-year share of the savings</source>
        <translation>La part des économies en première année</translation>
    </message>
    <message>
        <source>depreciation period</source>
        <translation>La durée d’amortissement</translation>
    </message>
    <message>
        <source>residual value</source>
        <translation>La valeur résiduelle</translation>
    </message>
    <message>
        <source>contingency</source>
        <translation>provision pour aléas</translation>
    </message>
    <message>
        <source>accuracy below the estimate</source>
        <translation>précision en deçà de l’estimation</translation>
    </message>
    <message>
        <source>accuracy above the estimate</source>
        <translation>précision au-delà de l’estimation</translation>
    </message>
    <message>
        <source>hurdle rate</source>
        <translation>taux de rendement minimal</translation>
    </message>
</context>
<context>
    <name>BusinessCaseText</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 mois</translation>
    </message>
    <message>
        <source>Initial investment (price and installation): %1</source>
        <translation>Investissement initial (prix et installation)&#xa0;: %1</translation>
    </message>
    <message>
        <source>Annual upkeep of the system: %1</source>
        <translation>Entretien annuel du système&#xa0;: %1</translation>
    </message>
    <message>
        <source>Annual savings after upkeep: %1</source>
        <translation>Économies annuelles après entretien&#xa0;: %1</translation>
    </message>
    <message>
        <source>Simple payback: %1</source>
        <translation>Délai de récupération simple&#xa0;: %1</translation>
    </message>
    <message>
        <source>Simple payback: none, the annual savings do not exceed the upkeep</source>
        <translation>Délai de récupération simple&#xa0;: aucun, les économies annuelles ne dépassent pas l’entretien</translation>
    </message>
    <message numerus="yes">
        <source>Return on investment over %1 year(s): none, nothing is invested</source>
        <translation>
            <numerusform>Retour sur investissement sur %1 an&#xa0;: aucun, rien n’est investi</numerusform>
            <numerusform>Retour sur investissement sur %1 ans&#xa0;: aucun, rien n’est investi</numerusform>
        </translation>
    </message>
    <message>
        <source>Net present value at %1: %2</source>
        <translation>Valeur actuelle nette à %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Internal rate of return: %1</source>
        <translation>Taux de rendement interne&#xa0;: %1</translation>
    </message>
    <message>
        <source>Internal rate of return: none, the cash flows never change sign</source>
        <translation>Taux de rendement interne&#xa0;: aucun, les flux de trésorerie ne changent jamais de signe</translation>
    </message>
    <message>
        <source>Discounted payback: %1 years</source>
        <translation>Délai de récupération actualisé&#xa0;: %1 ans</translation>
    </message>
    <message numerus="yes">
        <source>Discounted payback: not within the %1 year(s)</source>
        <translation>
            <numerusform>Délai de récupération actualisé&#xa0;: au-delà de %1 an</numerusform>
            <numerusform>Délai de récupération actualisé&#xa0;: au-delà des %1 ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start; the annual net is the annual savings less the annual upkeep, received at the end of each year over the %1 year(s) evaluated. Simple payback = investment ÷ (annual net ÷ 12) months. Return on investment = (savings × years − upkeep × years − investment) ÷ investment. Net present value = −investment + Σ annual net ÷ (1 + rate)^t for t = 1 to %1, at a discount rate of %2. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted annual nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</source>
        <translation>
            <numerusform>Calcul des indicateurs. L’investissement est le prix du système plus son installation, payé au départ&#xa0;; le flux net annuel correspond aux économies annuelles moins l’entretien annuel, perçu à la fin de chaque année pendant la période évaluée de %1 an. Délai de récupération simple = investissement ÷ (flux net annuel ÷ 12) mois. Retour sur investissement = (économies × années − entretien × années − investissement) ÷ investissement. Valeur actuelle nette = −investissement + Σ flux net annuel ÷ (1 + taux)^t pour t = 1 à %1, à un taux d’actualisation de %2. Le taux de rendement interne est le taux pour lequel la valeur actuelle nette est nulle. Le délai de récupération actualisé est le temps nécessaire pour que les flux nets annuels actualisés couvrent l’investissement. Le scénario prudent divise par deux chaque réduction supposée&#xa0;; le scénario optimiste porte chaque réduction à mi-chemin de 100&#xa0;%.</numerusform>
            <numerusform>Calcul des indicateurs. L’investissement est le prix du système plus son installation, payé au départ&#xa0;; le flux net annuel correspond aux économies annuelles moins l’entretien annuel, perçu à la fin de chaque année pendant les %1 ans évalués. Délai de récupération simple = investissement ÷ (flux net annuel ÷ 12) mois. Retour sur investissement = (économies × années − entretien × années − investissement) ÷ investissement. Valeur actuelle nette = −investissement + Σ flux net annuel ÷ (1 + taux)^t pour t = 1 à %1, à un taux d’actualisation de %2. Le taux de rendement interne est le taux pour lequel la valeur actuelle nette est nulle. Le délai de récupération actualisé est le temps nécessaire pour que les flux nets annuels actualisés couvrent l’investissement. Le scénario prudent divise par deux chaque réduction supposée&#xa0;; le scénario optimiste porte chaque réduction à mi-chemin de 100&#xa0;%.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not yet paid back</source>
        <translation>Pas encore rentabilisé</translation>
    </message>
    <message>
        <source>Paid back</source>
        <translation>Rentabilisé</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Change of the annual savings ($) at ±%1%</source>
        <translation>Variation des économies annuelles ($) à ±%1&#xa0;%</translation>
    </message>
    <message>
        <source>Lowered by %1%</source>
        <translation>Diminué de %1&#xa0;%</translation>
    </message>
    <message>
        <source>Raised by %1%</source>
        <translation>Augmenté de %1&#xa0;%</translation>
    </message>
    <message>
        <source>Bearings in facility</source>
        <translation>Roulements dans l’usine</translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation>Défaillances de roulements</translation>
    </message>
    <message>
        <source>Lubrication points</source>
        <translation>Points de lubrification</translation>
    </message>
    <message>
        <source>Lubrication frequency</source>
        <translation>Fréquence de lubrification</translation>
    </message>
    <message>
        <source>Lubricant quantity</source>
        <translation>Quantité de lubrifiant</translation>
    </message>
    <message>
        <source>Hourly production rate</source>
        <translation>Valeur produite par heure</translation>
    </message>
    <message>
        <source>Cost of lubricant</source>
        <translation>Coût du lubrifiant</translation>
    </message>
    <message>
        <source>Cost of a bearing</source>
        <translation>Coût d’un roulement</translation>
    </message>
    <message>
        <source>Lubrication labor rate</source>
        <translation>Taux horaire de lubrification</translation>
    </message>
    <message>
        <source>Replacement labor rate</source>
        <translation>Taux horaire du remplacement des roulements</translation>
    </message>
    <message>
        <source>Time to lubricate a point</source>
        <translation>Durée de lubrification d’un point</translation>
    </message>
    <message>
        <source>Time to replace a bearing</source>
        <translation>Durée de remplacement d’un roulement</translation>
    </message>
    <message>
        <source>Lubrication labor reduction (%1%)</source>
        <translation>Main-d’œuvre lubrification (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Lubricant reduction (%1%)</source>
        <translation>Lubrifiant (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Bearings reduction (%1%)</source>
        <translation>Roulements (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Replacement labor reduction (%1%)</source>
        <translation>Remplacement des roulements (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Lost production reduction (%1%)</source>
        <translation>Production perdue (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Conservative</source>
        <translation>Prudent</translation>
    </message>
    <message>
        <source>Assumed</source>
        <translation>Scénario de base</translation>
    </message>
    <message>
        <source>Optimistic</source>
        <translation>Optimiste</translation>
    </message>
    <message>
        <source>Simple payback: none, nothing is invested</source>
        <translation>Délai de récupération simple&#xa0;: aucun, rien n’est investi</translation>
    </message>
    <message>
        <source>Discounted payback: none, nothing is invested</source>
        <translation>Délai de récupération actualisé&#xa0;: aucun, rien n’est investi</translation>
    </message>
    <message numerus="yes">
        <source>not within %n year(s)</source>
        <translation>
            <numerusform>au-delà de %n an</numerusform>
            <numerusform>au-delà de %n ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Simple payback: not within the %n year(s) evaluated (%1 months at the last year&apos;s pace)</source>
        <translation>
            <numerusform>Délai de récupération simple&#xa0;: au-delà de la période évaluée de %n an (%1 mois au rythme de la dernière année)</numerusform>
            <numerusform>Délai de récupération simple&#xa0;: au-delà de la période évaluée de %n ans (%1 mois au rythme de la dernière année)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return on investment, undiscounted, over %1 year(s): %2 (%3 a year)</source>
        <translation>
            <numerusform>Retour sur investissement, non actualisé, sur %1 an&#xa0;: %2 (%3 par an)</numerusform>
            <numerusform>Retour sur investissement, non actualisé, sur %1 ans&#xa0;: %2 (%3 par an)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return on investment, undiscounted, over %1 year(s): %2</source>
        <translation>
            <numerusform>Retour sur investissement, non actualisé, sur %1 an&#xa0;: %2</numerusform>
            <numerusform>Retour sur investissement, non actualisé, sur %1 ans&#xa0;: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Profitability index: %1</source>
        <translation>Indice de profitabilité&#xa0;: %1</translation>
    </message>
    <message>
        <source>Break-even system price: %1</source>
        <translation>Prix du système au seuil de rentabilité&#xa0;: %1</translation>
    </message>
    <message>
        <source>The case holds even without any reduction.</source>
        <translation>L’investissement reste rentable même sans aucune réduction.</translation>
    </message>
    <message>
        <source>The case holds down to %1 of the assumed reductions.</source>
        <translation>L’investissement reste rentable jusqu’à %1 des réductions supposées.</translation>
    </message>
    <message>
        <source>The case needs %1 of the assumed reductions to break even.</source>
        <translation>Le seuil de rentabilité demande %1 des réductions supposées.</translation>
    </message>
    <message>
        <source>Break-even bearing failures: %1 a year</source>
        <translation>Défaillances de roulements au seuil de rentabilité&#xa0;: %1 par an</translation>
    </message>
    <message>
        <source>Break-even bearing failures: none, the case holds even without failures</source>
        <translation>Défaillances de roulements au seuil de rentabilité&#xa0;: aucune, l’investissement reste rentable même sans défaillance</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>The profitability index is the net present value ÷ investment + 1; the annual return is the one that, compounded over the years, gives the return on investment.</source>
        <translation>L’indice de profitabilité est la valeur actuelle nette ÷ investissement + 1&#xa0;; le rendement annuel est celui qui, composé sur les années, donne le retour sur investissement.</translation>
    </message>
    <message>
        <source>Cumulative discounted cash flow ($)</source>
        <translation>Flux de trésorerie actualisé cumulé ($)</translation>
    </message>
    <message>
        <source>Cumulative cash flow, undiscounted ($)</source>
        <translation>Flux de trésorerie cumulé, non actualisé ($)</translation>
    </message>
    <message>
        <source>System price</source>
        <translation>Prix du système</translation>
    </message>
    <message>
        <source>Installation cost</source>
        <translation>Coût d’installation</translation>
    </message>
    <message>
        <source>Annual upkeep</source>
        <translation>Entretien annuel</translation>
    </message>
    <message>
        <source>Discount rate (%1%)</source>
        <translation>Taux d’actualisation (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Labor rates&apos; escalation (%1%)</source>
        <translation>Indexation des taux horaires (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Lubricant price&apos;s escalation (%1%)</source>
        <translation>Indexation du prix du lubrifiant (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Bearing price&apos;s escalation (%1%)</source>
        <translation>Indexation du prix des roulements (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Production value&apos;s escalation (%1%)</source>
        <translation>Indexation de la valeur de la production (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Upkeep&apos;s escalation (%1%)</source>
        <translation>Indexation de l’entretien (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Income tax rate (%1%)</source>
        <translation>Taux d’imposition (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>Change of the net present value ($) at ±%1%</source>
        <translation>Variation de la valeur actuelle nette ($) à ±%1&#xa0;%</translation>
    </message>
    <message>
        <source>Net present value ($) as the five strongest inputs move</source>
        <translation>Valeur actuelle nette ($) selon les cinq paramètres les plus influents</translation>
    </message>
    <message>
        <source>Change of the input (%)</source>
        <translation>Variation du paramètre (%)</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message numerus="yes">
        <source>Simple payback: not within the %n year(s) evaluated (%1 months at the last year&apos;s pace without its depreciation&apos;s tax credit)</source>
        <translation>
            <numerusform>Délai de récupération simple&#xa0;: au-delà de la période évaluée de %n an (%1 mois au rythme de la dernière année, sans l’économie d’impôt de son amortissement)</numerusform>
            <numerusform>Délai de récupération simple&#xa0;: au-delà de la période évaluée de %n ans (%1 mois au rythme de la dernière année, sans l’économie d’impôt de son amortissement)</numerusform>
        </translation>
    </message>
    <message>
        <source>Simple payback: %1, but the cumulative net is below zero again from year %2</source>
        <translation>Délai de récupération simple&#xa0;: %1, mais le flux net cumulé redevient négatif à partir de l’année %2</translation>
    </message>
    <message>
        <source>Simple payback: never, the annual nets after upkeep and tax do not recover the outlay</source>
        <translation>Délai de récupération simple&#xa0;: jamais, les flux nets annuels après entretien et impôt ne couvrent pas l’investissement</translation>
    </message>
    <message>
        <source>Discounted payback: %1 years, but the discounted cumulative net is below zero again from year %2</source>
        <translation>Délai de récupération actualisé&#xa0;: %1 ans, mais le flux net actualisé cumulé redevient négatif à partir de l’année %2</translation>
    </message>
    <message>
        <source>Discounted payback: never, the annual nets after upkeep and tax do not recover the outlay</source>
        <translation>Délai de récupération actualisé&#xa0;: jamais, les flux nets annuels après entretien et impôt ne couvrent pas l’investissement</translation>
    </message>
    <message>
        <source>Discounted payback: none, the annual savings do not exceed the upkeep</source>
        <translation>Délai de récupération actualisé&#xa0;: aucun, les économies annuelles ne dépassent pas l’entretien</translation>
    </message>
    <message>
        <source>Net of year 1, before tax: %1</source>
        <translation>Flux net de l’année 1, avant impôt&#xa0;: %1</translation>
    </message>
    <message>
        <source>Break-even system price: none, even a free system has a negative net present value</source>
        <translation>Prix du système au seuil de rentabilité&#xa0;: aucun, même un système gratuit a une valeur actuelle nette négative</translation>
    </message>
    <message>
        <source>each year&apos;s savings, upkeep and tax spread over the year and discounted by 1 ÷ (1 + rate)^(t − ½), the residual value at the period&apos;s end by 1 ÷ (1 + rate)^t</source>
        <translation>les économies, l’entretien et l’impôt de chaque année répartis sur l’année et actualisés par 1 ÷ (1 + taux)^(t − ½), la valeur résiduelle en fin de période par 1 ÷ (1 + taux)^t</translation>
    </message>
    <message>
        <source>each year&apos;s net received at the year&apos;s end and discounted by 1 ÷ (1 + rate)^t</source>
        <translation>le flux net de chaque année perçu en fin d’année et actualisé par 1 ÷ (1 + taux)^t</translation>
    </message>
    <message numerus="yes">
        <source>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start. Each year&apos;s net is that year&apos;s savings less its upkeep and tax, and in the last of the %1 year(s) evaluated plus the residual value after tax, as the cash-flow table shows. Simple payback is the months until the cumulative net reaches zero, in proportion within the year that reaches it, and beyond the period at the last year&apos;s pace without its depreciation&apos;s tax credit. Return on investment = (Σ savings − Σ upkeep − Σ tax + residual value after tax − investment) ÷ investment. Net present value = −investment + Σ of the nets at a discount rate of %2, %3. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</source>
        <translation>
            <numerusform>Calcul des indicateurs. L’investissement est le prix du système plus son installation, payé au départ. Le flux net de chaque année correspond à ses économies moins son entretien et son impôt, plus, la dernière année de la période évaluée de %1 an, la valeur résiduelle après impôt, comme le montre le tableau des flux de trésorerie. Le délai de récupération simple est le nombre de mois jusqu’à ce que le flux net cumulé atteigne zéro, au prorata dans l’année où il l’atteint, et au-delà de la période au rythme de la dernière année sans l’économie d’impôt de son amortissement. Retour sur investissement = (Σ économies − Σ entretien − Σ impôt + valeur résiduelle après impôt − investissement) ÷ investissement. Valeur actuelle nette = −investissement + Σ des flux nets à un taux d’actualisation de %2, %3. Le taux de rendement interne est le taux pour lequel la valeur actuelle nette est nulle. Le délai de récupération actualisé est le temps nécessaire pour que les flux nets actualisés couvrent l’investissement. Le scénario prudent divise par deux chaque réduction supposée&#xa0;; le scénario optimiste porte chaque réduction à mi-chemin de 100&#xa0;%.</numerusform>
            <numerusform>Calcul des indicateurs. L’investissement est le prix du système plus son installation, payé au départ. Le flux net de chaque année correspond à ses économies moins son entretien et son impôt, plus, la dernière des %1 années évaluées, la valeur résiduelle après impôt, comme le montre le tableau des flux de trésorerie. Le délai de récupération simple est le nombre de mois jusqu’à ce que le flux net cumulé atteigne zéro, au prorata dans l’année où il l’atteint, et au-delà de la période au rythme de la dernière année sans l’économie d’impôt de son amortissement. Retour sur investissement = (Σ économies − Σ entretien − Σ impôt + valeur résiduelle après impôt − investissement) ÷ investissement. Valeur actuelle nette = −investissement + Σ des flux nets à un taux d’actualisation de %2, %3. Le taux de rendement interne est le taux pour lequel la valeur actuelle nette est nulle. Le délai de récupération actualisé est le temps nécessaire pour que les flux nets actualisés couvrent l’investissement. Le scénario prudent divise par deux chaque réduction supposée&#xa0;; le scénario optimiste porte chaque réduction à mi-chemin de 100&#xa0;%.</numerusform>
        </translation>
    </message>
    <message>
        <source>The case needs %1 of the assumed reductions to break even, which no plant reaches: the largest reduction would be %2.</source>
        <translation>Le scénario exige %1 des réductions supposées pour atteindre le seuil de rentabilité, ce qu’aucune usine n’atteint&#xa0;: la plus forte réduction serait de %2.</translation>
    </message>
    <message>
        <source>No break-even reduction or failure count: the savings do not change the net present value.</source>
        <translation>Pas de réduction ni de nombre de défaillances au seuil de rentabilité&#xa0;: les économies ne modifient pas la valeur actuelle nette.</translation>
    </message>
    <message>
        <source>Simple payback: never, the annual nets after upkeep do not recover the outlay</source>
        <translation>Délai de récupération simple&#xa0;: jamais, les flux nets annuels après entretien ne couvrent pas l’investissement</translation>
    </message>
    <message>
        <source>Discounted payback: never, the annual nets after upkeep do not recover the outlay</source>
        <translation>Délai de récupération actualisé&#xa0;: jamais, les flux nets annuels après entretien ne couvrent pas l’investissement</translation>
    </message>
    <message>
        <source>On hard savings alone (%1 in year 1): net present value %2, internal rate of return %3, simple payback %4</source>
        <translation>Sur les seules économies réelles (%1 la 1re année)&#xa0;: valeur actuelle nette %2, taux de rendement interne %3, délai de récupération simple %4</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: the internal rate of return of %2 meets it; the net present value at %1 is %3.</source>
        <translation>Par rapport au taux de rendement minimal de %1&#xa0;: le taux de rendement interne de %2 l’atteint&#xa0;; la valeur actuelle nette à %1 est de %3.</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: the internal rate of return of %2 falls short of it; the net present value at %1 is %3.</source>
        <translation>Par rapport au taux de rendement minimal de %1&#xa0;: le taux de rendement interne de %2 ne l’atteint pas&#xa0;; la valeur actuelle nette à %1 est de %3.</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: no single rate of return, but the net present value at %1 is %2, so the case meets it.</source>
        <translation>Par rapport au taux de rendement minimal de %1&#xa0;: pas de taux de rendement unique, mais la valeur actuelle nette à %1 est de %2&#xa0;: le projet l’atteint.</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: no single rate of return, and the net present value at %1 is %2, so the case falls short of it.</source>
        <translation>Par rapport au taux de rendement minimal de %1&#xa0;: pas de taux de rendement unique, et la valeur actuelle nette à %1 est de %2&#xa0;: le projet ne l’atteint pas.</translation>
    </message>
    <message>
        <source>Initial investment (price, installation and %1 contingency): %2</source>
        <translation>Investissement initial (prix, installation et %1 de provision pour aléas)&#xa0;: %2</translation>
    </message>
    <message>
        <source>Estimate accuracy %1 / +%2: an outlay of %3 to %4</source>
        <translation>Précision de l’estimation %1 / +%2&#xa0;: un investissement initial de %3 à %4</translation>
    </message>
    <message>
        <source>The investment includes a contingency of %1 on the price and installation.</source>
        <translation>L’investissement comprend une provision pour aléas de %1 sur le prix et l’installation.</translation>
    </message>
    <message>
        <source>Initial outlay, with the one-off items at the start: %1</source>
        <translation>Investissement initial, avec les postes ponctuels du départ&#xa0;: %1</translation>
    </message>
    <message>
        <source>Internal rate of return: none, the cash flows change sign more than once</source>
        <translation>Taux de rendement interne&#xa0;: aucun, les flux de trésorerie changent de signe plus d’une fois</translation>
    </message>
    <message>
        <source>Net present value at other rates: %1</source>
        <translation>La valeur actuelle nette à d’autres taux&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>BusinessCaseWindow</name>
    <message>
        <source>Business Case</source>
        <translation>Analyse de rentabilité</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>Indicateurs</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>Scénarios</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Scénario</translation>
    </message>
    <message>
        <source>Reductions</source>
        <translation>Réductions</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Économies annuelles</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Délai de récupération</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valeur actuelle nette</translation>
    </message>
    <message>
        <source>Step of the sensitivity (±%):</source>
        <translation>Pas de la sensibilité (±&#xa0;%)&#xa0;:</translation>
    </message>
    <message>
        <source>Enter the installed system price to see the payback, the return on investment, the net present value and the internal rate of return.</source>
        <translation>Saisissez le prix du système installé pour voir le délai de récupération, le retour sur investissement, la valeur actuelle nette et le taux de rendement interne.</translation>
    </message>
    <message>
        <source>Capital</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Labor rates&apos; escalation (% a year):</source>
        <translation>Indexation des taux horaires (% par an)&#xa0;:</translation>
    </message>
    <message>
        <source>Lubricant price&apos;s escalation (% a year):</source>
        <translation>Indexation du prix du lubrifiant (% par an)&#xa0;:</translation>
    </message>
    <message>
        <source>Bearing price&apos;s escalation (% a year):</source>
        <translation>Indexation du prix des roulements (% par an)&#xa0;:</translation>
    </message>
    <message>
        <source>Production value&apos;s escalation (% a year):</source>
        <translation>Indexation de la valeur de la production (% par an)&#xa0;:</translation>
    </message>
    <message>
        <source>Upkeep&apos;s escalation (% a year):</source>
        <translation>Indexation de l’entretien (% par an)&#xa0;:</translation>
    </message>
    <message>
        <source>Income tax rate (%):</source>
        <translation>Taux d’imposition (%)&#xa0;:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Straight-line</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Declining balance</source>
        <translation>Dégressif</translation>
    </message>
    <message>
        <source>Depreciation:</source>
        <translation>Amortissement&#xa0;:</translation>
    </message>
    <message>
        <source>Depreciation period (years):</source>
        <translation>Durée d’amortissement (ans)&#xa0;:</translation>
    </message>
    <message>
        <source>Declining-balance rate (%):</source>
        <translation>Taux d’amortissement dégressif (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Residual value ($):</source>
        <translation>Valeur résiduelle ($)&#xa0;:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>First year&apos;s share of the savings (%):</source>
        <translation>Part des économies en première année (%)&#xa0;:</translation>
    </message>
    <message>
        <source>At each year&apos;s end</source>
        <translation>À la fin de chaque année</translation>
    </message>
    <message>
        <source>Spread over the year</source>
        <translation>Répartis sur l’année</translation>
    </message>
    <message>
        <source>Annual flows fall:</source>
        <translation>Les flux annuels interviennent&#xa0;:</translation>
    </message>
    <message>
        <source>Cash flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Discounted</source>
        <translation>Actualisé</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Sensitivity of:</source>
        <translation>Sensibilité de&#xa0;:</translation>
    </message>
    <message>
        <source>Net present value (spider)</source>
        <translation>Valeur actuelle nette (diagramme en araignée)</translation>
    </message>
    <message>
        <source>Risk Ranges…</source>
        <translation>Plages de risque…</translation>
    </message>
    <message>
        <source>Apply Measured Reduction</source>
        <translation>Appliquer la réduction mesurée</translation>
    </message>
    <message>
        <source>The failures rose after the installation: the records measure no reduction to apply.</source>
        <translation>Les défaillances ont augmenté après l’installation&#xa0;: les relevés ne mesurent aucune réduction à appliquer.</translation>
    </message>
    <message>
        <source>The replacement bearings, their labor and the lost production are reduced by the measured %1 already.</source>
        <translation>Les roulements de rechange, leur main-d’œuvre et la production perdue sont déjà réduits des %1 mesurés.</translation>
    </message>
    <message>
        <source>Reduces the replacement bearings, their labor and the lost production by the measured %1.</source>
        <translation>Réduit les roulements de rechange, leur main-d’œuvre et la production perdue des %1 mesurés.</translation>
    </message>
    <message>
        <source>Contingency on price and installation (%):</source>
        <translation>Provision pour aléas sur prix et installation (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Estimate accuracy, below (%):</source>
        <translation>Précision de l’estimation, en deçà (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Estimate accuracy, above (%):</source>
        <translation>Précision de l’estimation, au-delà (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Company&apos;s hurdle rate (%):</source>
        <translation>Taux de rendement minimal de l’entreprise (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Other Savings and One-off Items…</source>
        <translation>Autres économies et postes ponctuels…</translation>
    </message>
    <message>
        <source>Alternatives…</source>
        <translation>Options…</translation>
    </message>
    <message>
        <source>Alternatives</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>The case weighs one option against doing nothing.</source>
        <translation>L’analyse compare une seule option à l’inaction.</translation>
    </message>
</context>
<context>
    <name>CapitalText</name>
    <message>
        <source>Annual escalation from year 2: labor rates %1, lubricant %2, bearings %3, production value %4, upkeep %5.</source>
        <translation>Indexation annuelle à partir de la 2e année&#xa0;: taux horaires %1, lubrifiant %2, roulements %3, valeur de la production %4, entretien %5.</translation>
    </message>
    <message>
        <source>Income tax at %1 on the savings less the upkeep and the depreciation; a year&apos;s loss is credited against the plant&apos;s other profits.</source>
        <translation>Impôt de %1 sur les économies diminuées de l’entretien et de l’amortissement&#xa0;; la perte d’une année est imputée sur les autres bénéfices de l’usine.</translation>
    </message>
    <message numerus="yes">
        <source>The investment is depreciated straight-line over %n year(s).</source>
        <translation>
            <numerusform>L’investissement est amorti linéairement sur %n an.</numerusform>
            <numerusform>L’investissement est amorti linéairement sur %n ans.</numerusform>
        </translation>
    </message>
    <message>
        <source>Before income tax, at today&apos;s prices every year, with the annual flows at each year&apos;s end.</source>
        <translation>Avant impôt, aux prix actuels chaque année, avec les flux annuels en fin de chaque année.</translation>
    </message>
    <message>
        <source>No escalation: every year at today&apos;s prices.</source>
        <translation>Aucune indexation&#xa0;: chaque année aux prix actuels.</translation>
    </message>
    <message>
        <source>Before income tax.</source>
        <translation>Avant impôt.</translation>
    </message>
    <message>
        <source>The annual flows are spread over each year and discounted from its middle; the outlay falls at the start, the residual value at the end.</source>
        <translation>Les flux annuels sont répartis sur l’année et actualisés à partir de son milieu&#xa0;; l’investissement intervient au début, la valeur résiduelle à la fin.</translation>
    </message>
    <message>
        <source>The annual flows fall at each year&apos;s end.</source>
        <translation>Les flux annuels interviennent en fin de chaque année.</translation>
    </message>
    <message>
        <source>A residual value of %1 at the end of year %2, taxed on its gain over the book value.</source>
        <translation>Une valeur résiduelle de %1 à la fin de l’année %2, imposée sur sa plus-value par rapport à la valeur comptable.</translation>
    </message>
    <message>
        <source>A residual value of %1 at the end of year %2.</source>
        <translation>Une valeur résiduelle de %1 à la fin de l’année %2.</translation>
    </message>
    <message>
        <source>Year 1 reaches %1 of the annual savings while the system is brought in.</source>
        <translation>La 1re année atteint %1 des économies annuelles pendant la mise en service du système.</translation>
    </message>
    <message>
        <source>The investment is not depreciated during the period and is written off at its end, the tax credit on it shown with the residual value.</source>
        <translation>L’investissement n’est pas amorti pendant la période et il est passé en charge à son terme, l’économie d’impôt correspondante figurant avec la valeur résiduelle.</translation>
    </message>
    <message>
        <source>The investment is depreciated by declining balance at %1 of its book value a year; what is left is written off at the period&apos;s end, the tax credit on it shown with the residual value.</source>
        <translation>L’investissement est amorti de façon dégressive à %1 de sa valeur comptable par an&#xa0;; le reste est passé en charge en fin de période, l’économie d’impôt correspondante figurant avec la valeur résiduelle.</translation>
    </message>
    <message>
        <source>The estimate may be %1 below or %2 above; the measures are computed on the estimate itself.</source>
        <translation>L’estimation peut être inférieure de %1 ou supérieure de %2&#xa0;; les indicateurs sont calculés sur l’estimation elle-même.</translation>
    </message>
    <message>
        <source>The company&apos;s hurdle rate is %1. The discount rate of %2 is the plant&apos;s own choice: any premium for the project&apos;s risk is in it as chosen, not added here.</source>
        <translation>Le taux de rendement minimal de l’entreprise est de %1. Le taux d’actualisation de %2 est le choix de l’usine&#xa0;: toute prime pour le risque du projet y est comprise telle que choisie, sans rien ajouter ici.</translation>
    </message>
    <message>
        <source>A further saving</source>
        <translation>Une autre économie</translation>
    </message>
    <message>
        <source>%1: %2 a year, escalating %3 a year, cash.</source>
        <translation>%1&#xa0;: %2 par an, indexé de %3 par an, en trésorerie.</translation>
    </message>
    <message>
        <source>%1: %2 a year, escalating %3 a year, not cash.</source>
        <translation>%1&#xa0;: %2 par an, indexé de %3 par an, hors trésorerie.</translation>
    </message>
    <message>
        <source>%1: %2 a year, cash.</source>
        <translation>%1&#xa0;: %2 par an, en trésorerie.</translation>
    </message>
    <message>
        <source>%1: %2 a year, not cash.</source>
        <translation>%1&#xa0;: %2 par an, hors trésorerie.</translation>
    </message>
    <message>
        <source>A one-off item</source>
        <translation>Un poste ponctuel</translation>
    </message>
    <message>
        <source>%1: %2 in year %3 and every %4 years after, with the upkeep.</source>
        <translation>%1&#xa0;: %2 l’année %3 puis tous les %4 ans, avec l’entretien.</translation>
    </message>
    <message>
        <source>%1: %2 at the start, in the outlay.</source>
        <translation>%1&#xa0;: %2 au départ, dans l’investissement initial.</translation>
    </message>
    <message>
        <source>%1: %2 in year %3, with the upkeep.</source>
        <translation>%1&#xa0;: %2 l’année %3, avec l’entretien.</translation>
    </message>
    <message>
        <source>The cost rows and the upkeep at today&apos;s prices every year.</source>
        <translation>Les lignes de coût et l’entretien chaque année aux prix actuels.</translation>
    </message>
    <message>
        <source>A contingency of %1 on the price and installation raises them to %2.</source>
        <translation>Une provision pour aléas de %1 sur le prix et l’installation les porte à %2.</translation>
    </message>
</context>
<context>
    <name>CaseItemsDialog</name>
    <message>
        <source>Add Row</source>
        <translation>Ajouter une ligne</translation>
    </message>
    <message>
        <source>Remove Row</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>Other Savings and One-off Items</source>
        <translation>Autres économies et postes ponctuels</translation>
    </message>
    <message>
        <source>Amount ($)</source>
        <translation>Montant ($)</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Amount a year ($)</source>
        <translation>Montant par an ($)</translation>
    </message>
    <message>
        <source>Escalation (% a year)</source>
        <translation>Indexation (% par an)</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Trésorerie</translation>
    </message>
    <message>
        <source>Annual savings beyond the cost rows, such as work orders no longer raised for routine greasing or waste grease disposal; cash where the plant stops paying them:</source>
        <translation>Économies annuelles au-delà des lignes de coût, comme les ordres de travail de graissage courant qui disparaissent ou l’élimination de la graisse usagée&#xa0;; en trésorerie quand l’usine cesse de les payer&#xa0;:</translation>
    </message>
    <message>
        <source>Year (0: at the start)</source>
        <translation>Année (0&#xa0;: au départ)</translation>
    </message>
    <message>
        <source>Every (years; empty: once)</source>
        <translation>Tous les (ans&#xa0;; vide&#xa0;: une fois)</translation>
    </message>
    <message>
        <source>One-off items: an outlay in a given year, such as a pump replaced every few years; below zero money received, such as a rebate or grant at the start:</source>
        <translation>Postes ponctuels&#xa0;: une dépense une année donnée, comme une pompe remplacée tous les deux ou trois ans&#xa0;; un montant négatif pour une recette, comme une remise ou une subvention au départ&#xa0;:</translation>
    </message>
    <message>
        <source>The annual saving in row %1 has no amount a year that reads.</source>
        <translation>L’économie annuelle de la ligne %1 n’a pas de montant par an lisible.</translation>
    </message>
    <message>
        <source>The escalation of the annual saving in row %1 is not a percentage from %2 to %3.</source>
        <translation>L’indexation de l’économie annuelle de la ligne %1 n’est pas un pourcentage de %2 à %3.</translation>
    </message>
    <message>
        <source>The one-off item in row %1 has no amount that reads.</source>
        <translation>Le poste ponctuel de la ligne %1 n’a pas de montant lisible.</translation>
    </message>
    <message>
        <source>The year of the one-off item in row %1 is not a whole year from 0 to %2.</source>
        <translation>L’année du poste ponctuel de la ligne %1 n’est pas une année entière de 0 à %2.</translation>
    </message>
    <message>
        <source>The one-off item in row %1 recurs every 1 to %2 whole years or, left empty, falls once.</source>
        <translation>Le poste ponctuel de la ligne %1 revient tous les 1 à %2 ans entiers ou, laissé vide, ne tombe qu’une fois.</translation>
    </message>
</context>
<context>
    <name>CashFlowText</name>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Économies</translation>
    </message>
    <message>
        <source>Upkeep</source>
        <translation>Entretien</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Amortissement</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Impôt</translation>
    </message>
    <message>
        <source>Residual value after tax</source>
        <translation>Valeur résiduelle après impôt</translation>
    </message>
    <message>
        <source>Net cash flow</source>
        <translation>Flux de trésorerie net</translation>
    </message>
    <message>
        <source>Discounted</source>
        <translation>Actualisé</translation>
    </message>
    <message>
        <source>Cumulative</source>
        <translation>Cumulé</translation>
    </message>
    <message>
        <source>Cumulative discounted</source>
        <translation>Cumulé actualisé</translation>
    </message>
    <message>
        <source>Residual value and write-off after tax</source>
        <translation>Valeur résiduelle et passage en charge après impôt</translation>
    </message>
</context>
<context>
    <name>ChartControl</name>
    <message>
        <source>Lubrication Labor</source>
        <translation>Main-d’œuvre de lubrification</translation>
    </message>
    <message>
        <source>Lubricant Cost</source>
        <translation>Coût du lubrifiant</translation>
    </message>
    <message>
        <source>Bearing Cost</source>
        <translation>Coût des roulements</translation>
    </message>
    <message>
        <source>Replacement Labor</source>
        <translation>Remplacement des roulements</translation>
    </message>
    <message>
        <source>Lost Production</source>
        <translation>Production perdue</translation>
    </message>
    <message>
        <source>CURRENT COST</source>
        <translation>COÛT ACTUEL</translation>
    </message>
    <message>
        <source>VELMOR COST</source>
        <translation>COÛT VELMOR</translation>
    </message>
    <message>
        <source>SAVINGS</source>
        <translation>ÉCONOMIES</translation>
    </message>
    <message>
        <source>current cost</source>
        <translation>coût actuel</translation>
    </message>
    <message>
        <source>Velmor cost</source>
        <translation>coût Velmor</translation>
    </message>
    <message>
        <source>savings</source>
        <translation>économies</translation>
    </message>
    <message>
        <source>ESTIMATED ANNUAL SAVINGS IN DOLLARS</source>
        <translation>ÉCONOMIES ANNUELLES ESTIMÉES EN DOLLARS</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>ESTIMATED ANNUAL SAVINGS IN %1</source>
        <translation>ÉCONOMIES ANNUELLES ESTIMÉES EN %1</translation>
    </message>
</context>
<context>
    <name>ClipboardText</name>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Business case</source>
        <translation>Analyse de rentabilité</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Initial investment</source>
        <translation>Investissement initial</translation>
    </message>
    <message>
        <source>Simple payback (months)</source>
        <translation>Délai de récupération simple (mois)</translation>
    </message>
    <message numerus="yes">
        <source>Return on investment over %n year(s)</source>
        <translation>
            <numerusform>Retour sur investissement sur %n an</numerusform>
            <numerusform>Retour sur investissement sur %n ans</numerusform>
        </translation>
    </message>
    <message>
        <source>Net present value at %1%</source>
        <translation>Valeur actuelle nette à %1&#xa0;%</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>Taux de rendement interne</translation>
    </message>
    <message numerus="yes">
        <source>not within %n year(s)</source>
        <translation>
            <numerusform>au-delà de %n an</numerusform>
            <numerusform>au-delà de %n ans</numerusform>
        </translation>
    </message>
    <message>
        <source>Discounted payback (years)</source>
        <translation>Délai de récupération actualisé (ans)</translation>
    </message>
    <message>
        <source>Annualised return on investment</source>
        <translation>Retour sur investissement annualisé</translation>
    </message>
    <message>
        <source>Profitability index</source>
        <translation>Indice de profitabilité</translation>
    </message>
    <message>
        <source>Break-even system price</source>
        <translation>Prix du système au seuil de rentabilité</translation>
    </message>
    <message>
        <source>Break-even share of the assumed reductions</source>
        <translation>Part des réductions supposées au seuil de rentabilité</translation>
    </message>
    <message>
        <source>Break-even bearing failures a year</source>
        <translation>Défaillances de roulements par an au seuil de rentabilité</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Hard savings in year 1</source>
        <translation>Économies réelles la 1re année</translation>
    </message>
    <message>
        <source>Net present value on hard savings alone</source>
        <translation>Valeur actuelle nette sur les seules économies réelles</translation>
    </message>
    <message>
        <source>Internal rate of return on hard savings alone</source>
        <translation>Taux de rendement interne sur les seules économies réelles</translation>
    </message>
    <message>
        <source>Simple payback on hard savings alone (months)</source>
        <translation>Délai de récupération simple sur les seules économies réelles (mois)</translation>
    </message>
    <message>
        <source>Contingency in it</source>
        <translation>Dont provision pour aléas</translation>
    </message>
    <message>
        <source>Hurdle rate</source>
        <translation>Taux de rendement minimal</translation>
    </message>
    <message>
        <source>Net present value at the hurdle rate</source>
        <translation>Valeur actuelle nette au taux de rendement minimal</translation>
    </message>
    <message>
        <source>Meets the hurdle rate</source>
        <translation>Atteint le taux de rendement minimal</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
</context>
<context>
    <name>CostRows</name>
    <message>
        <source>The Velmor cost assumes that automatic lubrication cuts %1 and %2.</source>
        <translation>Le coût Velmor suppose que la lubrification automatique réduit %1 et %2.</translation>
    </message>
    <message>
        <source>Manual Labor to Lubricate</source>
        <translation>Main-d’œuvre de lubrification</translation>
    </message>
    <message>
        <source>Labor to lubricate (%1% reduction)</source>
        <translation>Main-d’œuvre lubrification (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>the lubrication labor</source>
        <translation>la main-d’œuvre de lubrification</translation>
    </message>
    <message>
        <source>Grease used for manual lubrication</source>
        <translation>Consommation de lubrifiant</translation>
    </message>
    <message>
        <source>Grease consumption (%1% reduction)</source>
        <translation>Consommation de lubrifiant (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>the lubricant</source>
        <translation>le lubrifiant</translation>
    </message>
    <message>
        <source>New replacement bearings</source>
        <translation>Roulements de rechange</translation>
    </message>
    <message>
        <source>New replacement bearings (%1% reduction)</source>
        <translation>Roulements de rechange (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>the replacement bearings</source>
        <translation>les roulements de rechange</translation>
    </message>
    <message>
        <source>Labor to replace failed bearings</source>
        <translation>Remplacement des roulements</translation>
    </message>
    <message>
        <source>Bearing replacement labor (%1% reduction)</source>
        <translation>Remplacement des roulements (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>the replacement labor</source>
        <translation>la main-d’œuvre de remplacement des roulements</translation>
    </message>
    <message>
        <source>Lost Production</source>
        <translation>Production perdue</translation>
    </message>
    <message>
        <source>Lost Production (%1% reduction)</source>
        <translation>Production perdue (−%1&#xa0;%)</translation>
    </message>
    <message>
        <source>the lost production</source>
        <translation>la production perdue</translation>
    </message>
    <message>
        <source>Total anual cost of manual lubrication</source>
        <translation>Total annuel de la lubrification manuelle</translation>
    </message>
    <message>
        <source>Total annual cost using Velmor automatic lubrication</source>
        <translation>Total annuel avec la lubrification automatique Velmor</translation>
    </message>
    <message>
        <source>Total annual savings over manual lubrication costs</source>
        <translation>Économies annuelles face à la lubrification manuelle</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>CsvText</name>
    <message>
        <source>It is larger than %1 MB.</source>
        <translation>Il dépasse %1 Mo.</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <translation>Ce n’est pas un fichier texte.</translation>
    </message>
    <message>
        <source>A quoted field that begins on line %1 is never closed.</source>
        <translation>Un champ entre guillemets commençant à la ligne %1 n’est jamais fermé.</translation>
    </message>
    <message>
        <source>It holds no header and no rows.</source>
        <translation>Il ne contient ni en-tête ni lignes.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields where the header has %3.</source>
        <translation>La ligne %1 compte %2 champs alors que l’en-tête en compte %3.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields; a table is read with at most %3.</source>
        <translation>La ligne %1 compte %2 champs ; un tableau est lu avec %3 au plus.</translation>
    </message>
    <message>
        <source>No line holds a header of two column names or more.</source>
        <translation>Aucune ligne ne contient un en-tête d’au moins deux noms de colonnes.</translation>
    </message>
</context>
<context>
    <name>CurrencyUnits</name>
    <message>
        <source>A currency symbol has at most %1 characters.</source>
        <translation>Un symbole monétaire compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>A currency symbol cannot hold digits, signs, the marks of a figure (. , &apos; %), quotes or invisible characters.</source>
        <translation>Un symbole monétaire ne peut contenir ni chiffres, ni signes, ni les marques d’un nombre (. , &apos; %), ni guillemets, ni caractères invisibles.</translation>
    </message>
</context>
<context>
    <name>CurrencyUnitsDialog</name>
    <message>
        <source>Currency and Units</source>
        <translation>Devise et unités</translation>
    </message>
    <message>
        <source>Every money figure is typed and shown in this currency; figures are not converted between currencies.</source>
        <translation>Chaque montant est saisi et affiché dans cette devise&#xa0;; les montants ne sont pas convertis d’une devise à l’autre.</translation>
    </message>
    <message>
        <source>Currency symbol:</source>
        <translation>Symbole monétaire&#xa0;:</translation>
    </message>
    <message>
        <source>A figure shows as:</source>
        <translation>Affichage d’un montant&#xa0;:</translation>
    </message>
    <message>
        <source>Imperial (lb)</source>
        <translation>Impérial (lb)</translation>
    </message>
    <message>
        <source>Metric (kg)</source>
        <translation>Métrique (kg)</translation>
    </message>
    <message>
        <source>Lubricant weighed in:</source>
        <translation>Lubrifiant pesé en&#xa0;:</translation>
    </message>
    <message>
        <source>Lubricant quantity and price will be converted to kilograms; the results stay the same.</source>
        <translation>La quantité et le prix du lubrifiant seront convertis en kilogrammes&#xa0;; les résultats restent les mêmes.</translation>
    </message>
    <message>
        <source>Lubricant quantity and price will be converted to pounds; the results stay the same.</source>
        <translation>La quantité et le prix du lubrifiant seront convertis en livres&#xa0;; les résultats restent les mêmes.</translation>
    </message>
    <message>
        <source>The lubricant %1 will be converted to kilograms; the %2 holds no number and stays as typed.</source>
        <translation>Le champ «&#xa0;%1&#xa0;» du lubrifiant sera converti en kilogrammes&#xa0;; le champ «&#xa0;%2&#xa0;» ne contient aucun nombre et reste tel que saisi.</translation>
    </message>
    <message>
        <source>The lubricant %1 will be converted to pounds; the %2 holds no number and stays as typed.</source>
        <translation>Le champ «&#xa0;%1&#xa0;» du lubrifiant sera converti en livres&#xa0;; le champ «&#xa0;%2&#xa0;» ne contient aucun nombre et reste tel que saisi.</translation>
    </message>
    <message>
        <source>quantity</source>
        <translation>quantité</translation>
    </message>
    <message>
        <source>price</source>
        <translation>prix</translation>
    </message>
    <message>
        <source>The lubricant quantity and price hold no numbers and stay as typed.</source>
        <translation>La quantité et le prix du lubrifiant ne contiennent aucun nombre et restent tels que saisis.</translation>
    </message>
</context>
<context>
    <name>DocumentHistory</name>
    <message>
        <source>Open %1</source>
        <translation>Ouverture de %1</translation>
    </message>
    <message>
        <source>Typing in %1</source>
        <translation>Saisie dans %1</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Maintenance Records</source>
        <translation>Relevés de maintenance</translation>
    </message>
    <message>
        <source>Change of the Investment</source>
        <translation>Modification de l’investissement</translation>
    </message>
    <message>
        <source>Change of the Capital Inputs</source>
        <translation>Modification des données de capital</translation>
    </message>
    <message>
        <source>Change of the Assumptions</source>
        <translation>Modification des hypothèses</translation>
    </message>
    <message>
        <source>Change of the Currency and Units</source>
        <translation>Modification de la devise et des unités</translation>
    </message>
    <message>
        <source>Change of the Report Details</source>
        <translation>Modification des détails du rapport</translation>
    </message>
    <message>
        <source>Change of the Risk Ranges</source>
        <translation>Modification des plages de risque</translation>
    </message>
    <message>
        <source>Change of the Figures</source>
        <translation>Modification des données</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>FacilityFile</name>
    <message>
        <source>Could not open %1. %2</source>
        <translation>Impossible d’ouvrir %1. %2</translation>
    </message>
    <message>
        <source>Could not save %1. %2</source>
        <translation>Impossible d’enregistrer %1. %2</translation>
    </message>
    <message>
        <source>is not valid text</source>
        <translation>n’est pas un texte valide</translation>
    </message>
    <message>
        <source>is longer than a field holds</source>
        <translation>est plus long que ce qu’un champ peut contenir</translation>
    </message>
    <message>
        <source>The figures were typed in regional settings that are not known here (%1).</source>
        <translation>Les valeurs ont été saisies avec des paramètres régionaux inconnus ici (%1).</translation>
    </message>
    <message>
        <source>The figure for %1 %2.</source>
        <translation>La valeur de %1 %2.</translation>
    </message>
    <message>
        <source>The figure for %1 holds characters an input field cannot show.</source>
        <translation>La valeur de %1 contient des caractères qu’un champ de saisie ne peut pas afficher.</translation>
    </message>
    <message>
        <source>The report detail %1 %2.</source>
        <translation>Le détail du rapport %1 %2.</translation>
    </message>
    <message>
        <source>The investment&apos;s %1 %2.</source>
        <translation>La donnée d’investissement %1 %2.</translation>
    </message>
    <message>
        <source>An assumed reduction is not a percentage from 0 to 100 in tenths.</source>
        <translation>Une réduction supposée n’est pas un pourcentage de 0 à 100 au dixième près.</translation>
    </message>
    <message>
        <source>The figures are too long for a facility file, which holds at most 64 KiB.</source>
        <translation>Les valeurs sont trop longues pour un fichier de données d’usine, qui contient au plus 64 Kio.</translation>
    </message>
    <message>
        <source>The file&apos;s %1 are not valid.</source>
        <translation>Les données «&#xa0;%1&#xa0;» du fichier ne sont pas valides.</translation>
    </message>
    <message>
        <source>The %1 %2 is not a text.</source>
        <translation>Dans «&#xa0;%1&#xa0;», l’élément %2 n’est pas un texte.</translation>
    </message>
    <message>
        <source>The file is larger than 64 KiB, too large for a facility file.</source>
        <translation>Le fichier dépasse 64 Kio, taille trop grande pour un fichier de données d’usine.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Le fichier n’est pas un texte UTF-8.</translation>
    </message>
    <message>
        <source>The file is not a facility file: it is not JSON (%1 at byte %2).</source>
        <translation>Le fichier n’est pas un fichier de données d’usine&#xa0;: ce n’est pas du JSON (%1 à l’octet %2).</translation>
    </message>
    <message>
        <source>The file holds the key %1 twice.</source>
        <translation>Le fichier contient deux fois la clé %1.</translation>
    </message>
    <message>
        <source>The file is not a facility file.</source>
        <translation>Le fichier n’est pas un fichier de données d’usine.</translation>
    </message>
    <message>
        <source>The file has no valid version number.</source>
        <translation>Le fichier n’a pas de numéro de version valide.</translation>
    </message>
    <message>
        <source>The file was saved by a newer version of this program.</source>
        <translation>Le fichier a été enregistré par une version plus récente de ce programme.</translation>
    </message>
    <message>
        <source>The file does not say in which regional settings its figures were typed.</source>
        <translation>Le fichier n’indique pas avec quels paramètres régionaux ses valeurs ont été saisies.</translation>
    </message>
    <message>
        <source>The file holds no figures.</source>
        <translation>Le fichier ne contient aucune valeur.</translation>
    </message>
    <message>
        <source>one figure</source>
        <translation>une valeur</translation>
    </message>
    <message>
        <source>%1 figures</source>
        <translation>%1 valeurs</translation>
    </message>
    <message>
        <source>The file holds %1 instead of %2.</source>
        <translation>Le fichier contient %1 au lieu de %2.</translation>
    </message>
    <message>
        <source>The figure for %1 is not a text.</source>
        <translation>La valeur de %1 n’est pas un texte.</translation>
    </message>
    <message>
        <source>The file&apos;s assumptions are not valid.</source>
        <translation>Les hypothèses du fichier ne sont pas valides.</translation>
    </message>
    <message>
        <source>The assumed reduction %1 is not a percentage from 0 to 100 in tenths.</source>
        <translation>La réduction supposée %1 n’est pas un pourcentage de 0 à 100 au dixième près.</translation>
    </message>
    <message>
        <source>Could not open the figures. No file name was given.</source>
        <translation>Impossible d’ouvrir les données. Aucun nom de fichier n’a été indiqué.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Le fichier n’a pas pu être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not save the figures. No file name was given.</source>
        <translation>Impossible d’enregistrer les données. Aucun nom de fichier n’a été indiqué.</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>client</translation>
    </message>
    <message>
        <source>site</source>
        <translation>site</translation>
    </message>
    <message>
        <source>prepared by</source>
        <translation>préparé par</translation>
    </message>
    <message>
        <source>system price</source>
        <translation>prix du système</translation>
    </message>
    <message>
        <source>installation cost</source>
        <translation>coût d’installation</translation>
    </message>
    <message>
        <source>annual upkeep</source>
        <translation>entretien annuel</translation>
    </message>
    <message>
        <source>evaluation period</source>
        <translation>période d’évaluation</translation>
    </message>
    <message>
        <source>discount rate</source>
        <translation>taux d’actualisation</translation>
    </message>
    <message>
        <source>report details</source>
        <translation>détails du rapport</translation>
    </message>
    <message>
        <source>report detail</source>
        <translation>détail du rapport</translation>
    </message>
    <message>
        <source>investment details</source>
        <translation>données d’investissement</translation>
    </message>
    <message>
        <source>investment detail</source>
        <translation>donnée d’investissement</translation>
    </message>
    <message>
        <source>The currency symbol %1 is not valid. %2</source>
        <translation>Le symbole monétaire %1 n’est pas valide. %2</translation>
    </message>
    <message>
        <source>The currency symbol %1 is not valid.</source>
        <translation>Le symbole monétaire %1 n’est pas valide.</translation>
    </message>
    <message>
        <source>The file&apos;s currency and units are not valid.</source>
        <translation>La devise et les unités du fichier ne sont pas valides.</translation>
    </message>
    <message>
        <source>The currency symbol is not a text.</source>
        <translation>Le symbole monétaire n’est pas un texte.</translation>
    </message>
    <message>
        <source>The units are neither &quot;imperial&quot; nor &quot;metric&quot;.</source>
        <translation>Les unités ne sont ni «&#xa0;imperial&#xa0;» ni «&#xa0;metric&#xa0;».</translation>
    </message>
    <message>
        <source>escalation of the labor rates</source>
        <translation>indexation des taux horaires</translation>
    </message>
    <message>
        <source>escalation of the lubricant price</source>
        <translation>indexation du prix du lubrifiant</translation>
    </message>
    <message>
        <source>escalation of the bearing price</source>
        <translation>indexation du prix des roulements</translation>
    </message>
    <message>
        <source>escalation of the production value</source>
        <translation>indexation de la valeur de la production</translation>
    </message>
    <message>
        <source>escalation of the upkeep</source>
        <translation>indexation de l’entretien</translation>
    </message>
    <message>
        <source>income tax rate</source>
        <translation>taux d’imposition</translation>
    </message>
    <message>
        <source>depreciation period</source>
        <translation>durée d’amortissement</translation>
    </message>
    <message>
        <source>declining-balance rate</source>
        <translation>taux d’amortissement dégressif</translation>
    </message>
    <message>
        <source>residual value</source>
        <translation>valeur résiduelle</translation>
    </message>
    <message>
        <source>first-year share</source>
        <translation>part en première année</translation>
    </message>
    <message>
        <source>capital inputs</source>
        <translation>données de capital</translation>
    </message>
    <message>
        <source>capital input</source>
        <translation>donnée de capital</translation>
    </message>
    <message>
        <source>The capital input %1 %2.</source>
        <translation>La donnée de capital %1 %2.</translation>
    </message>
    <message>
        <source>The capital inputs&apos; choices are not valid.</source>
        <translation>Les options choisies dans les données de capital ne sont pas valides.</translation>
    </message>
    <message>
        <source>The depreciation is none of &quot;none&quot;, &quot;straightLine&quot; and &quot;decliningBalance&quot;.</source>
        <translation>L’amortissement n’est ni «&#xa0;none&#xa0;», ni «&#xa0;straightLine&#xa0;», ni «&#xa0;decliningBalance&#xa0;».</translation>
    </message>
    <message>
        <source>The timing of the cash flows is neither &quot;yearEnd&quot; nor &quot;midYear&quot;.</source>
        <translation>Le moment des flux de trésorerie n’est ni «&#xa0;yearEnd&#xa0;» ni «&#xa0;midYear&#xa0;».</translation>
    </message>
    <message>
        <source>The file&apos;s work-order records are not valid (%1).</source>
        <translation>Les ordres de travail du fichier ne sont pas valides (%1).</translation>
    </message>
    <message>
        <source>The file&apos;s risk ranges are not valid (%1).</source>
        <translation>Les plages de risque du fichier ne sont pas valides (%1).</translation>
    </message>
    <message>
        <source>The file&apos;s hard and soft savings are not valid (%1).</source>
        <translation>Les économies réelles et indirectes du fichier ne sont pas valides (%1).</translation>
    </message>
    <message>
        <source>The file&apos;s lost-production rule is not valid (%1).</source>
        <translation>La règle de perte de production du fichier n’est pas valide (%1).</translation>
    </message>
    <message>
        <source>contingency</source>
        <translation>provision pour aléas</translation>
    </message>
    <message>
        <source>accuracy below the estimate</source>
        <translation>précision en deçà de l’estimation</translation>
    </message>
    <message>
        <source>accuracy above the estimate</source>
        <translation>précision au-delà de l’estimation</translation>
    </message>
    <message>
        <source>hurdle rate</source>
        <translation>taux de rendement minimal</translation>
    </message>
    <message>
        <source>The file&apos;s options are not valid (%1).</source>
        <translation>Les options du fichier ne sont pas valides (%1).</translation>
    </message>
    <message>
        <source>The file holds more options than the case weighs.</source>
        <translation>Le fichier contient plus d’options que l’analyse n’en compare.</translation>
    </message>
    <message>
        <source>The option %1: %2</source>
        <translation>L’option %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The option&apos;s name %1.</source>
        <translation>Le nom de l’option %1.</translation>
    </message>
</context>
<context>
    <name>FigureCommands</name>
    <message>
        <source>Facility figures (*.velmor)</source>
        <translation>Données d’usine (*.velmor)</translation>
    </message>
    <message>
        <source>Open Figures…</source>
        <translation>Ouvrir des données…</translation>
    </message>
    <message>
        <source>Save Figures</source>
        <translation>Enregistrer les données</translation>
    </message>
    <message>
        <source>Save Figures As…</source>
        <translation>Enregistrer les données sous…</translation>
    </message>
    <message>
        <source>Report Details…</source>
        <translation>Détails du rapport…</translation>
    </message>
    <message>
        <source>Assumptions…</source>
        <translation>Hypothèses…</translation>
    </message>
    <message>
        <source>Business Case…</source>
        <translation>Analyse de rentabilité…</translation>
    </message>
    <message>
        <source>Export Report as PDF…</source>
        <translation>Exporter le rapport en PDF…</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Imprimer le rapport…</translation>
    </message>
    <message>
        <source>Copy Results</source>
        <translation>Copier les résultats</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before closing?</source>
        <translation>Enregistrer les modifications de «&#xa0;%1&#xa0;» avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before opening other figures?</source>
        <translation>Enregistrer les modifications de «&#xa0;%1&#xa0;» avant d’ouvrir d’autres données&#xa0;?</translation>
    </message>
    <message>
        <source>Changes not saved are lost.</source>
        <translation>Les modifications non enregistrées seront perdues.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Le rapport n’a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>Open Figures</source>
        <translation>Ouvrir des données</translation>
    </message>
    <message>
        <source>Facility figures.velmor</source>
        <translation>Données d’usine.velmor</translation>
    </message>
    <message>
        <source>Save Figures As</source>
        <translation>Enregistrer les données sous</translation>
    </message>
    <message>
        <source>Lubrication Cost Savings Report.pdf</source>
        <translation>Rapport d’économies de lubrification.pdf</translation>
    </message>
    <message>
        <source>%1 - Lubrication Cost Savings Report.pdf</source>
        <translation>%1 - Rapport d’économies de lubrification.pdf</translation>
    </message>
    <message>
        <source>Export Report as PDF</source>
        <translation>Exporter le rapport en PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimer le rapport</translation>
    </message>
    <message>
        <source>Currency and Units…</source>
        <translation>Devise et unités…</translation>
    </message>
    <message>
        <source>Export Workbook…</source>
        <translation>Exporter le classeur…</translation>
    </message>
    <message>
        <source>Export Workbook</source>
        <translation>Exporter le classeur</translation>
    </message>
    <message>
        <source>Lubrication Cost Savings.xlsx</source>
        <translation>Économies de lubrification.xlsx</translation>
    </message>
    <message>
        <source>%1 - Lubrication Cost Savings.xlsx</source>
        <translation>%1 - Économies de lubrification.xlsx</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Classeurs Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Work-order exports (*.csv *.txt *.xlsx)</source>
        <translation>Exports d’ordres de travail (*.csv *.txt *.xlsx)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open Maintenance Records…</source>
        <translation>Ouvrir les relevés de maintenance…</translation>
    </message>
    <message>
        <source>Open Maintenance Records</source>
        <translation>Ouvrir les relevés de maintenance</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Aucune imprimante n’est installée.</translation>
    </message>
    <message>
        <source>Export the report as a PDF document instead?</source>
        <translation>Exporter plutôt le rapport en document PDF&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>%1

The results cannot be computed from these figures. Please check the figures under &quot;Your Data&quot;.</source>
        <translation>%1

Les résultats ne peuvent pas être calculés à partir de ces valeurs. Veuillez vérifier les valeurs de l’onglet «&#xa0;Données&#xa0;».</translation>
    </message>
    <message>
        <source>More Information</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Velmor logo</source>
        <translation>Logo Velmor</translation>
    </message>
    <message>
        <source>Calculator icon</source>
        <translation>Icône du calculateur</translation>
    </message>
    <message>
        <source>Velmor banner</source>
        <translation>Bannière Velmor</translation>
    </message>
    <message>
        <source>A lubrication pump and a bearing beside the Velmor logo</source>
        <translation>Une pompe de lubrification et un roulement à côté du logo Velmor</translation>
    </message>
    <message>
        <source>HALDMARK and Velmor banner</source>
        <translation>Bannière HALDMARK et Velmor</translation>
    </message>
    <message>
        <source>Lubrication equipment, the HALDMARK logo and the Velmor logo</source>
        <translation>Équipement de lubrification, logo HALDMARK et logo Velmor</translation>
    </message>
    <message>
        <source>Savings chart</source>
        <translation>Graphique des économies</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Facility files, the customer report, copying the results and zoom</source>
        <translation>Fichiers de données d’usine, rapport client, copie des résultats et zoom</translation>
    </message>
    <message>
        <source>Series Bar Graph</source>
        <translation>Barres par série</translation>
    </message>
    <message>
        <source>Pie Chart</source>
        <translation>Secteurs</translation>
    </message>
    <message>
        <source>Line Graph</source>
        <translation>Courbes</translation>
    </message>
    <message>
        <source>Area Graph</source>
        <translation>Aires</translation>
    </message>
    <message>
        <source>Step Graph</source>
        <translation>En escalier</translation>
    </message>
    <message>
        <source>Stacked Bar Graph</source>
        <translation>Barres empilées</translation>
    </message>
    <message>
        <source>Velmor Automatic Lubrication Systems</source>
        <translation>Systèmes de lubrification automatique Velmor</translation>
    </message>
    <message>
        <source>About Velmor</source>
        <translation>À propos de Velmor</translation>
    </message>
    <message>
        <source>Your Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>This calculator will provide you with an estimated cost comparison between your existing lubrication method and a VELMOR® Centralized Lubrication System by HALDMARK® Inc.</source>
        <translation>Ce calculateur compare les coûts estimés de votre méthode de lubrification actuelle et d’un système de lubrification centralisée VELMOR® de HALDMARK® Inc.</translation>
    </message>
    <message>
        <source>To calculate costs particular to your facility, enter the required data in the data fields found under the &quot;Your Data&quot; tab above.</source>
        <translation>Pour calculer les coûts propres à votre usine, saisissez les données requises dans les champs de l’onglet «&#xa0;Données&#xa0;» ci-dessus.</translation>
    </message>
    <message>
        <source>Once your data are properly entered, you can review the effect of using a VELMOR Centralized Lubrication System under the &quot;Velmor Cost&quot; tab and the savings that can be realized under the &quot;Savings&quot; tab. A comparison of the results can be reviewed in graphical format under the &quot;Graph&quot; tab above.</source>
        <translation>Une fois vos données saisies, l’onglet «&#xa0;Coût Velmor&#xa0;» montre l’effet d’un système de lubrification centralisée VELMOR et l’onglet «&#xa0;Économies&#xa0;» les économies réalisables. L’onglet «&#xa0;Graphique&#xa0;» ci-dessus compare les résultats sous forme graphique.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>About HALDMARK®</source>
        <translation>À propos de HALDMARK®</translation>
    </message>
    <message>
        <source>Software Design</source>
        <translation>Conception du logiciel</translation>
    </message>
    <message>
        <source>HALDMARK banner</source>
        <translation>Bannière HALDMARK</translation>
    </message>
    <message>
        <source>Corvane Software logo</source>
        <translation>Logo Corvane Software</translation>
    </message>
    <message>
        <source>Calculator icon</source>
        <translation>Icône du calculateur</translation>
    </message>
    <message>
        <source>Phone: </source>
        <translation>Tél.&#xa0;: </translation>
    </message>
    <message>
        <source>Fax: </source>
        <translation>Fax&#xa0;: </translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>E-mail&#xa0;: </translation>
    </message>
    <message>
        <source>WWW: </source>
        <translation>Web&#xa0;: </translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>The figures</source>
        <translation>Les données</translation>
    </message>
    <message>
        <source>Keeping, printing and sharing the figures</source>
        <translation>Enregistrer, imprimer et partager les données</translation>
    </message>
    <message>
        <source>How the figures are computed</source>
        <translation>Comment les chiffres sont calculés</translation>
    </message>
    <message>
        <source>The business case</source>
        <translation>L’analyse de rentabilité</translation>
    </message>
    <message>
        <source>Maintenance records and the risk range</source>
        <translation>Relevés de maintenance et plage de risque</translation>
    </message>
    <message>
        <source>Glossary of the translations</source>
        <translation>Glossaire des traductions</translation>
    </message>
    <message>
        <source>%1 (%2): %3.</source>
        <translation>%1 (%2)&#xa0;: %3.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>Inputs</name>
    <message>
        <source>FACILITY PARTICULARS</source>
        <translation>DONNÉES DE L’USINE</translation>
    </message>
    <message>
        <source>Number of bearings in facility</source>
        <translation>Roulements dans l’usine</translation>
    </message>
    <message>
        <source> total</source>
        <translation> au total</translation>
    </message>
    <message>
        <source>bearings installed in the facility</source>
        <translation>roulements installés dans l’usine</translation>
    </message>
    <message>
        <source>Number of bearing failures</source>
        <translation>Roulements défaillants</translation>
    </message>
    <message>
        <source> per year</source>
        <translation> par an</translation>
    </message>
    <message>
        <source>bearings that fail per year</source>
        <translation>roulements défaillants par an</translation>
    </message>
    <message>
        <source>Number of lubrication points</source>
        <translation>Points de lubrification</translation>
    </message>
    <message>
        <source>points lubricated by hand</source>
        <translation>points lubrifiés à la main</translation>
    </message>
    <message>
        <source>Lubrication frequency</source>
        <translation>Fréquence de lubrification</translation>
    </message>
    <message>
        <source> per month</source>
        <translation> par mois</translation>
    </message>
    <message>
        <source>times each point is lubricated per month</source>
        <translation>nombre de lubrifications de chaque point par mois</translation>
    </message>
    <message>
        <source>Lubricant quantity</source>
        <translation>Quantité de lubrifiant</translation>
    </message>
    <message>
        <source> lbs/year</source>
        <translation> lb/an</translation>
    </message>
    <message>
        <source>pounds of lubricant used per year</source>
        <translation>livres de lubrifiant consommées par an</translation>
    </message>
    <message>
        <source>Hourly production rate</source>
        <translation>Valeur produite par heure</translation>
    </message>
    <message>
        <source> $/hour</source>
        <translation> $/h</translation>
    </message>
    <message>
        <source>value of production lost per hour of stoppage</source>
        <translation>valeur de la production perdue par heure d’arrêt</translation>
    </message>
    <message>
        <source>MATERIAL COST (Average)</source>
        <translation>COÛT DES MATIÈRES (moyen)</translation>
    </message>
    <message>
        <source>Cost of Lubricant</source>
        <translation>Coût du lubrifiant</translation>
    </message>
    <message>
        <source> $/lb.</source>
        <translation> $/lb</translation>
    </message>
    <message>
        <source>price of lubricant per pound</source>
        <translation>prix du lubrifiant à la livre</translation>
    </message>
    <message>
        <source>Cost of Replacement Bearing</source>
        <translation>Roulement de rechange</translation>
    </message>
    <message>
        <source> $/each</source>
        <translation> $/pièce</translation>
    </message>
    <message>
        <source>price of one replacement bearing</source>
        <translation>prix d’un roulement de rechange</translation>
    </message>
    <message>
        <source>LABOR COST (Average)</source>
        <translation>COÛT DE MAIN-D’ŒUVRE (moyen)</translation>
    </message>
    <message>
        <source>Lubrication </source>
        <translation>Lubrification </translation>
    </message>
    <message>
        <source>hourly labor rate for lubricating</source>
        <translation>taux horaire de main-d’œuvre pour la lubrification</translation>
    </message>
    <message>
        <source>Bearing Replacement</source>
        <translation>Remplacement roulements</translation>
    </message>
    <message>
        <source>hourly labor rate for replacing bearings</source>
        <translation>taux horaire de main-d’œuvre pour le remplacement des roulements</translation>
    </message>
    <message>
        <source>TIME (Average)</source>
        <translation>DURÉES (moyennes)</translation>
    </message>
    <message>
        <source>Lubricate a single point</source>
        <translation>Lubrifier un point</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutes</translation>
    </message>
    <message>
        <source>minutes to lubricate one point once</source>
        <translation>minutes pour lubrifier une fois un point</translation>
    </message>
    <message>
        <source>Replace a bearing</source>
        <translation>Remplacer un roulement</translation>
    </message>
    <message>
        <source> hours</source>
        <translation> heures</translation>
    </message>
    <message>
        <source>hours to replace one failed bearing (and stoppage per failure)</source>
        <translation>heures pour remplacer un roulement défaillant (et arrêt par défaillance)</translation>
    </message>
    <message>
        <source> kg/year</source>
        <translation> kg/an</translation>
    </message>
    <message>
        <source> $/kg</source>
        <translation> $/kg</translation>
    </message>
    <message>
        <source>The figure for “%1” is not a number.</source>
        <translation>La valeur de «&#xa0;%1&#xa0;» n’est pas un nombre.</translation>
    </message>
    <message>
        <source>It reads %1.</source>
        <translation>On y lit %1.</translation>
    </message>
    <message>
        <source>bearings</source>
        <translation>roulements</translation>
    </message>
    <message>
        <source>failures</source>
        <translation>défaillances</translation>
    </message>
    <message>
        <source>points</source>
        <translation>points</translation>
    </message>
    <message>
        <source>times per month</source>
        <translation>fois par mois</translation>
    </message>
    <message>
        <source>lbs. per year</source>
        <translation>livres par an</translation>
    </message>
    <message>
        <source>production value per hour</source>
        <translation>valeur produite par heure</translation>
    </message>
    <message>
        <source>price per lb.</source>
        <translation>prix à la livre</translation>
    </message>
    <message>
        <source>bearing price</source>
        <translation>prix d’un roulement</translation>
    </message>
    <message>
        <source>labor rate</source>
        <translation>taux horaire</translation>
    </message>
    <message>
        <source>minutes per point</source>
        <translation>minutes par point</translation>
    </message>
    <message>
        <source>hours per replacement</source>
        <translation>heures par remplacement</translation>
    </message>
    <message>
        <source>price per kg</source>
        <translation>prix au kg</translation>
    </message>
    <message>
        <source>kg per year</source>
        <translation>kg par an</translation>
    </message>
    <message>
        <source>price of lubricant per kilogram</source>
        <translation>prix du lubrifiant au kilogramme</translation>
    </message>
    <message>
        <source>kilograms of lubricant used per year</source>
        <translation>kilogrammes de lubrifiant consommés par an</translation>
    </message>
</context>
<context>
    <name>InvestmentFields</name>
    <message>
        <source>Investment</source>
        <translation>Investissement</translation>
    </message>
    <message>
        <source>Installed system price ($):</source>
        <translation>Prix du système installé ($)&#xa0;:</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>facultatif</translation>
    </message>
    <message>
        <source>Installation cost ($):</source>
        <translation>Coût d’installation ($)&#xa0;:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Annual upkeep of the system ($):</source>
        <translation>Entretien annuel du système ($)&#xa0;:</translation>
    </message>
    <message>
        <source>Evaluation period (years):</source>
        <translation>Période d’évaluation (ans)&#xa0;:</translation>
    </message>
    <message>
        <source>Discount rate (%):</source>
        <translation>Taux d’actualisation (%)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The settings file %1 is not a regular file; it is ignored, and the settings are the defaults.</source>
        <translation>Le fichier de paramètres %1 n’est pas un fichier ordinaire&#xa0;; il est ignoré et les paramètres par défaut s’appliquent.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>The calculator will be shown in the chosen language the next time it is started.</source>
        <translation>Le calculateur s’affichera dans la langue choisie au prochain démarrage.</translation>
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
        <translation>marge %</translation>
    </message>
    <message>
        <source>made up %</source>
        <translation>rattrapé %</translation>
    </message>
    <message>
        <source>idle crew</source>
        <translation>équipe inactive</translation>
    </message>
    <message>
        <source>their rate</source>
        <translation>leur taux</translation>
    </message>
    <message>
        <source>stop hours</source>
        <translation>heures d’arrêt</translation>
    </message>
    <message>
        <source>The plant is sold out: a lost hour is valued at the whole production value.</source>
        <translation>L’usine est à pleine capacité&#xa0;: une heure perdue est valorisée à toute la valeur de production.</translation>
    </message>
    <message>
        <source>A lost hour is valued at its contribution margin, %1 of the production value.</source>
        <translation>Une heure perdue est valorisée à sa marge sur coûts variables, %1 de la valeur de production.</translation>
    </message>
    <message>
        <source>%1 of the lost output is made up later and not counted as lost.</source>
        <translation>%1 de la production perdue est rattrapé plus tard et n’est pas compté comme perdu.</translation>
    </message>
    <message numerus="yes">
        <source>A failure stops production for %1 hour(s); the labor to replace the bearing is counted over the hours to replace it.</source>
        <translation>
            <numerusform>Une défaillance arrête la production pendant %1 heure&#xa0;; la main-d’œuvre de remplacement du roulement est comptée sur les heures de remplacement.</numerusform>
            <numerusform>Une défaillance arrête la production pendant %1 heures&#xa0;; la main-d’œuvre de remplacement du roulement est comptée sur les heures de remplacement.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 people stand idle during a stop, at %2 an hour each.</source>
        <translation>%1 personnes restent inactives pendant un arrêt, à %2 de l’heure chacune.</translation>
    </message>
</context>
<context>
    <name>MatchedOrdersModel</name>
    <message>
        <source>Counted</source>
        <translation>Compté</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Asset</source>
        <translation>Équipement</translation>
    </message>
    <message>
        <source>Work type</source>
        <translation>Type de travail</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>MessageText</name>
    <message>
        <source>“%1”</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>MoneyScale</name>
    <message>
        <source>%1 billions</source>
        <comment>a chart&apos;s money in billions of the currency %1</comment>
        <translation>Md%1</translation>
    </message>
    <message>
        <source>%1 millions</source>
        <comment>a chart&apos;s money in millions of the currency %1</comment>
        <translation>M%1</translation>
    </message>
    <message>
        <source>%1 thousands</source>
        <comment>a chart&apos;s money in thousands of the currency %1</comment>
        <translation>k%1</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Open Recent</source>
        <translation>Ouvrir un fichier récent</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>Aucun fichier récent</translation>
    </message>
    <message>
        <source>Remove Missing Files</source>
        <translation>Retirer les fichiers introuvables</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Effacer la liste</translation>
    </message>
</context>
<context>
    <name>RecordsChoiceText</name>
    <message>
        <source>At most %1 words can mark a bearing failure.</source>
        <translation>Au plus %1 mots peuvent signaler une défaillance de roulement.</translation>
    </message>
    <message>
        <source>A word that marks a bearing failure is longer than %1 characters.</source>
        <translation>Un mot qui signale une défaillance de roulement dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The hours on line %1 are below zero.</source>
        <translation>Les heures de la ligne %1 sont négatives.</translation>
    </message>
    <message>
        <source>At most %1 work types can mark a failure.</source>
        <translation>Au plus %1 types d’ordre peuvent désigner une défaillance.</translation>
    </message>
    <message>
        <source>The period of the records needs a start before its end.</source>
        <translation>La période des relevés doit commencer avant sa fin.</translation>
    </message>
    <message>
        <source>Repeat orders are those within 0 to %1 days of each other.</source>
        <translation>Les ordres répétés sont espacés de 0 à %1 jours.</translation>
    </message>
    <message>
        <source>At most %1 orders can be left out by hand.</source>
        <translation>Au plus %1 ordres peuvent être écartés à la main.</translation>
    </message>
</context>
<context>
    <name>RecordsDialog</name>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Asset:</source>
        <translation>Équipement&#xa0;:</translation>
    </message>
    <message>
        <source>Work type or cause:</source>
        <translation>Type de travail ou cause&#xa0;:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description&#xa0;:</translation>
    </message>
    <message>
        <source>Repair hours:</source>
        <translation>Heures de réparation&#xa0;:</translation>
    </message>
    <message>
        <source>Downtime hours:</source>
        <translation>Heures d’arrêt&#xa0;:</translation>
    </message>
    <message>
        <source>Maintenance Records</source>
        <translation>Relevés de maintenance</translation>
    </message>
    <message>
        <source>Choose which column of %1 holds what, and which work orders count as bearing failures. What the records come to is shown below as you choose.</source>
        <translation>Choisissez ce que contient chaque colonne de %1 et quels ordres de travail comptent comme défaillances de roulement. Le résultat des relevés s’affiche ci-dessous au fil de vos choix.</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Sheet:</source>
        <translation>Feuille&#xa0;:</translation>
    </message>
    <message>
        <source>Day first (31/12/2024)</source>
        <translation>Jour en premier (31/12/2024)</translation>
    </message>
    <message>
        <source>Month first (12/31/2024)</source>
        <translation>Mois en premier (12/31/2024)</translation>
    </message>
    <message>
        <source>Order of the dates:</source>
        <translation>Ordre des dates&#xa0;:</translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation>Défaillances de roulement</translation>
    </message>
    <message>
        <source>Work orders whose work type or description contains one of these words, separated by commas:</source>
        <translation>Ordres de travail dont le type ou la description contient l’un de ces mots, séparés par des virgules&#xa0;:</translation>
    </message>
    <message>
        <source>What the records come to</source>
        <translation>Résultat des relevés</translation>
    </message>
    <message>
        <source>Apply to Figures</source>
        <translation>Appliquer aux données</translation>
    </message>
    <message>
        <source>Keep as Evidence</source>
        <translation>Conserver comme justificatif</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Bearing failures: %1 of %2 work orders.</source>
        <translation>Défaillances de roulement&#xa0;: %1 sur %2 ordres de travail.</translation>
    </message>
    <message>
        <source>Work types of corrective or breakdown orders, the only ones that can be failures:</source>
        <translation>Types des ordres correctifs ou de dépannage, les seuls qui peuvent être des défaillances&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Columns and Failures</source>
        <translation>Colonnes et défaillances</translation>
    </message>
    <message>
        <source>The failures a year are counted over the period the export covers: from its first order to its last, unless you give the months you exported.</source>
        <translation>Les défaillances par an sont comptées sur la période que couvre l’export&#xa0;: de son premier ordre au dernier, sauf si vous indiquez les mois exportés.</translation>
    </message>
    <message>
        <source>The export covers a given period</source>
        <translation>L’export couvre une période donnée</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du&#xa0;:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au&#xa0;:</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>Orders on one asset within this gap are one failure:</source>
        <translation>Les ordres d’un même équipement dans cet intervalle forment une défaillance&#xa0;:</translation>
    </message>
    <message>
        <source>The system was installed on:</source>
        <translation>Système installé le&#xa0;:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Clear an order that is no bearing failure to leave it out.</source>
        <translation>Décochez un ordre qui n’est pas une défaillance de roulement pour l’écarter.</translation>
    </message>
    <message>
        <source>Assets</source>
        <translation>Équipements</translation>
    </message>
    <message>
        <source>The export names no asset of a failure.</source>
        <translation>L’export ne nomme l’équipement d’aucune défaillance.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln order(s) matched, %1 left out by hand.</source>
        <translation>
            <numerusform>%Ln ordre trouvé, %1 écarté(s) à la main.</numerusform>
            <numerusform>%Ln ordres trouvés, %1 écarté(s) à la main.</numerusform>
        </translation>
    </message>
    <message>
        <source>Matched Orders (%1)</source>
        <translation>Ordres trouvés (%1)</translation>
    </message>
    <message>
        <source>Value lost production over the mean downtime, not the repair hours</source>
        <translation>Valoriser la perte de production sur l’arrêt moyen, pas sur les heures de réparation</translation>
    </message>
</context>
<context>
    <name>RecordsExport</name>
    <message>
        <source>Could not read the records of %1. %2</source>
        <translation>Impossible de lire les relevés de %1. %2</translation>
    </message>
</context>
<context>
    <name>RecordsRequestText</name>
    <message>
        <source>%1 is no column=name; the columns are %2</source>
        <translation>%1 n’est pas de la forme colonne=nom&#xa0;; les colonnes sont %2</translation>
    </message>
    <message>
        <source>The header has no column %1.</source>
        <translation>L’en-tête n’a pas de colonne %1.</translation>
    </message>
    <message>
        <source>%1 is no period such as 2023-01-01:2024-12-31</source>
        <translation>%1 n’est pas une période telle que 2023-01-01:2024-12-31</translation>
    </message>
    <message>
        <source>the period %1 ends before it begins</source>
        <translation>la période %1 finit avant de commencer</translation>
    </message>
</context>
<context>
    <name>RecordsSheetText</name>
    <message>
        <source>Maintenance records</source>
        <translation>Relevés de maintenance</translation>
    </message>
    <message>
        <source>Years of the records</source>
        <translation>Années des relevés</translation>
    </message>
    <message>
        <source>Repeat failures from</source>
        <translation>Défaillances répétées à partir de</translation>
    </message>
    <message>
        <source>failures of one asset</source>
        <translation>défaillances d’un équipement</translation>
    </message>
    <message>
        <source>What the records come to</source>
        <translation>Résultat des relevés</translation>
    </message>
    <message>
        <source>Share of the failures after the installation, low</source>
        <translation>Part des défaillances après l’installation, borne basse</translation>
    </message>
    <message>
        <source>Share of the failures after the installation, high</source>
        <translation>Part des défaillances après l’installation, borne haute</translation>
    </message>
    <message>
        <source>Confidence of the intervals</source>
        <translation>Niveau de confiance des intervalles</translation>
    </message>
</context>
<context>
    <name>RecordsText</name>
    <message>
        <source>It is not a workbook, or it is damaged.</source>
        <translation>Ce n’est pas un classeur, ou il est endommagé.</translation>
    </message>
    <message>
        <source>The workbook has no sheet %1.</source>
        <translation>Le classeur n’a pas de feuille %1.</translation>
    </message>
    <message>
        <source>Row %1 of the sheet is damaged.</source>
        <translation>La ligne %1 de la feuille est endommagée.</translation>
    </message>
    <message>
        <source>The sheet holds no header and no rows.</source>
        <translation>La feuille ne contient ni en-tête ni lignes.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bearing failure(s) from %1 to %2: %3 a year, %4 between %5 and %6</source>
        <translation>
            <numerusform>%Ln défaillance de roulement du %1 au %2&#xa0;: %3 par an, à %4 entre %5 et %6</numerusform>
            <numerusform>%Ln défaillances de roulement du %1 au %2&#xa0;: %3 par an, à %4 entre %5 et %6</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln bearing failure(s) on %1, too short a time for a rate a year</source>
        <translation>
            <numerusform>%Ln défaillance de roulement le %1, une durée trop courte pour un taux annuel</numerusform>
            <numerusform>%Ln défaillances de roulement le %1, une durée trop courte pour un taux annuel</numerusform>
        </translation>
    </message>
    <message>
        <source>Hours to replace a bearing: median %1, 10th to 90th percentile %2 to %3</source>
        <translation>Heures pour remplacer un roulement&#xa0;: médiane %1, du 10e au 90e centile %2 à %3</translation>
    </message>
    <message>
        <source>Downtime per failure: median %1 hours</source>
        <translation>Arrêt par défaillance&#xa0;: médiane %1 heures</translation>
    </message>
    <message numerus="yes">
        <source>From %Ln work order(s) in %1</source>
        <translation>
            <numerusform>D’après %Ln ordre de travail dans %1</numerusform>
            <numerusform>D’après %Ln ordres de travail dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln repeated row(s) counted once</source>
        <translation>
            <numerusform>, %Ln ligne répétée comptée une fois</numerusform>
            <numerusform>, %Ln lignes répétées comptées une fois</numerusform>
        </translation>
    </message>
    <message>
        <source> (SHA-256 %1…)</source>
        <translation> (SHA-256 %1…)</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln row(s) without a date left out</source>
        <translation>
            <numerusform>, %Ln ligne sans date écartée</numerusform>
            <numerusform>, %Ln lignes sans date écartées</numerusform>
        </translation>
    </message>
    <message>
        <source>Its part %1 unpacks to far more than a workbook of its size holds.</source>
        <translation>Sa partie %1 se décompresse en bien plus que ce que contient un classeur de cette taille.</translation>
    </message>
    <message>
        <source>Its part %1 is damaged.</source>
        <translation>Sa partie %1 est endommagée.</translation>
    </message>
    <message>
        <source>Its part %1 declares entities, which no workbook does.</source>
        <translation>Sa partie %1 déclare des entités, ce que ne fait aucun classeur.</translation>
    </message>
    <message>
        <source>Its texts are longer than %1 characters.</source>
        <translation>Ses textes dépassent %1 caractères.</translation>
    </message>
    <message>
        <source>Row %1 of the sheet lies beyond the last row a workbook can have.</source>
        <translation>La ligne %1 de la feuille se trouve au-delà de la dernière ligne qu’un classeur peut avoir.</translation>
    </message>
    <message>
        <source>The cell %1 lies beyond the last column or row a workbook can have.</source>
        <translation>La cellule %1 se trouve au-delà de la dernière colonne ou ligne qu’un classeur peut avoir.</translation>
    </message>
    <message>
        <source>Row %1 of the sheet has more cells than a workbook row can.</source>
        <translation>La ligne %1 de la feuille a plus de cellules qu’une ligne de classeur ne peut en avoir.</translation>
    </message>
    <message>
        <source>A cell of row %1 holds more than %2 characters, more than a workbook cell can.</source>
        <translation>Une cellule de la ligne %1 contient plus de %2 caractères, plus qu’une cellule de classeur ne peut en contenir.</translation>
    </message>
    <message>
        <source>The cell %1 names a shared string the workbook does not hold.</source>
        <translation>La cellule %1 renvoie à une chaîne partagée que le classeur ne contient pas.</translation>
    </message>
    <message>
        <source>The sheet holds more than %1 cells.</source>
        <translation>La feuille contient plus de %1 cellules.</translation>
    </message>
    <message>
        <source>No bearing failures found: no work order&apos;s type or description holds %1.</source>
        <translation>Aucune défaillance de roulement trouvée&#xa0;: ni le type ni la description d’aucun ordre de travail ne contient %1.</translation>
    </message>
    <message numerus="yes">
        <source>Failures counted among the %Ln order(s) of type %1</source>
        <translation>
            <numerusform>Défaillances comptées parmi le %Ln ordre de type %1</numerusform>
            <numerusform>Défaillances comptées parmi les %Ln ordres de type %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The export has no work-type column: every order was searched for the words</source>
        <translation>L’export n’a pas de colonne de type d’ordre&#xa0;: les mots ont été cherchés dans chaque ordre</translation>
    </message>
    <message>
        <source>No bearing failures found: no work type is chosen as corrective or breakdown.</source>
        <translation>Aucune défaillance de roulement trouvée&#xa0;: aucun type d’ordre n’est choisi comme correctif ou dépannage.</translation>
    </message>
    <message>
        <source>Hours to replace a bearing: mean %1, median %2, 10th to 90th percentile %3 to %4</source>
        <translation>Heures pour remplacer un roulement&#xa0;: moyenne %1, médiane %2, du 10e au 90e centile %3 à %4</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln failure order(s), repeats on one asset within %1 days counted as one</source>
        <translation>
            <numerusform>, %Ln ordre de défaillance, les répétitions sur un même équipement en %1 jours comptées pour une</numerusform>
            <numerusform>, %Ln ordres de défaillance, les répétitions sur un même équipement en %1 jours comptées pour une</numerusform>
        </translation>
    </message>
    <message>
        <source>No trend in the failures (Laplace U = %1, p = %2): the average rate is used</source>
        <translation>Aucune tendance dans les défaillances (Laplace U = %1, p = %2)&#xa0;: le taux moyen est utilisé</translation>
    </message>
    <message>
        <source>Failures rising (β = %1, p = %2): the rate at the end of the records, %3 a year, is used</source>
        <translation>Défaillances en hausse (β = %1, p = %2)&#xa0;: le taux à la fin des relevés, %3 par an, est utilisé</translation>
    </message>
    <message>
        <source>Failures falling (β = %1, p = %2): the rate at the end of the records, %3 a year, is used</source>
        <translation>Défaillances en baisse (β = %1, p = %2)&#xa0;: le taux à la fin des relevés, %3 par an, est utilisé</translation>
    </message>
    <message>
        <source>%1 %2 (%3, repeat failures)</source>
        <translation>%1 %2 (%3, défaillances répétées)</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>Most failures: %1</source>
        <translation>Le plus de défaillances&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln failure(s), %2 a year, %3 of all failures</source>
        <translation>
            <numerusform>%1&#xa0;: %Ln défaillance, %2 par an, %3 de toutes les défaillances</numerusform>
            <numerusform>%1&#xa0;: %Ln défaillances, %2 par an, %3 de toutes les défaillances</numerusform>
        </translation>
    </message>
    <message>
        <source>, median repair %1 hours</source>
        <translation>, réparation médiane %1 heures</translation>
    </message>
    <message>
        <source>, repeat failures</source>
        <translation>, défaillances répétées</translation>
    </message>
    <message>
        <source>The period is the one given for the export</source>
        <translation>La période est celle indiquée pour l’export</translation>
    </message>
    <message>
        <source>The period runs from the export&apos;s first order to its last; it ends on a failure, so the rate counts one failure fewer</source>
        <translation>La période va du premier ordre de l’export au dernier&#xa0;; elle finit sur une défaillance, le taux compte donc une défaillance de moins</translation>
    </message>
    <message>
        <source>The period runs from the export&apos;s first order to its last</source>
        <translation>La période va du premier ordre de l’export au dernier</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln order(s) outside the period left out</source>
        <translation>
            <numerusform>, %Ln ordre hors de la période écarté</numerusform>
            <numerusform>, %Ln ordres hors de la période écartés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln order(s) left out by hand</source>
        <translation>
            <numerusform>, %Ln ordre écarté à la main</numerusform>
            <numerusform>, %Ln ordres écartés à la main</numerusform>
        </translation>
    </message>
    <message>
        <source>Failures before %1: %2 in %3 years; after: %4 in %5 years; measured: %6, %7</source>
        <translation>Défaillances avant le %1&#xa0;: %2 en %3 ans&#xa0;; après&#xa0;: %4 en %5 ans&#xa0;; mesuré&#xa0;: %6, %7</translation>
    </message>
    <message numerus="yes">
        <source>the gamma posterior (Jeffreys prior) of %Ln failure(s) counted in %1 years</source>
        <translation>
            <numerusform>la loi a posteriori gamma (a priori de Jeffreys) de %Ln défaillance comptée en %1 ans</numerusform>
            <numerusform>la loi a posteriori gamma (a priori de Jeffreys) de %Ln défaillances comptées en %1 ans</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, times the trend&apos;s β of %2</source>
        <extracomment>%1: the gamma posterior of the failures, %2: the trend&apos;s β.</extracomment>
        <translation>%1, multipliée par le β de la tendance, %2</translation>
    </message>
    <message numerus="yes">
        <source>a gamma of the mean of %Ln repair(s): %1 hours, standard error %2</source>
        <translation>
            <numerusform>une loi gamma de la moyenne de %Ln réparation&#xa0;: %1 heures, erreur type %2</numerusform>
            <numerusform>une loi gamma de la moyenne de %Ln réparations&#xa0;: %1 heures, erreur type %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the mean of %Ln repair(s), %1 hours, fixed: their hours do not vary</source>
        <translation>
            <numerusform>la moyenne de %Ln réparation, %1 heures, fixe&#xa0;: ses heures ne varient pas</numerusform>
            <numerusform>la moyenne de %Ln réparations, %1 heures, fixe&#xa0;: leurs heures ne varient pas</numerusform>
        </translation>
    </message>
    <message>
        <source>a PERT over the repairs&apos; 10th to 90th percentile, most likely their median</source>
        <translation>une loi PERT du 10e au 90e centile des réparations, la plus probable étant leur médiane</translation>
    </message>
    <message>
        <source>Lost production valued over the mean downtime of %1 hours a failure, not the repair hours</source>
        <translation>Perte de production valorisée sur l’arrêt moyen de %1 heures par défaillance, pas sur les heures de réparation</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Figures typed at %1 were not saved.</source>
        <translation>Les données saisies à %1 n’ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Figures of %1 changed at %2 were not saved.</source>
        <translation>Les données de %1 modifiées à %2 n’ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
</context>
<context>
    <name>ReportDetailsDialog</name>
    <message>
        <source>Report Details</source>
        <translation>Détails du rapport</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Client&#xa0;:</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Site&#xa0;:</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>Préparé par&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Customer:</source>
        <translation>Client&#xa0;:</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Site&#xa0;:</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>Préparé par&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Facility figures</source>
        <translation>Données de l’usine</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Délai de récupération</translation>
    </message>
    <message>
        <source>Investment and measures</source>
        <translation>Investissement et indicateurs</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>Scénarios</translation>
    </message>
    <message>
        <source>Assumptions</source>
        <translation>Hypothèses</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>La page n’a pas pu être dessinée.</translation>
    </message>
    <message>
        <source>Could not write the report to %1. %2</source>
        <translation>Impossible d’écrire le rapport dans %1. %2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>an installed system price of %1</source>
        <translation>un prix du système installé de %1</translation>
    </message>
    <message>
        <source>installation at %1</source>
        <translation>une installation de %1</translation>
    </message>
    <message>
        <source>an annual upkeep of %1</source>
        <translation>un entretien annuel de %1</translation>
    </message>
    <message numerus="yes">
        <source>The investment: %1, evaluated over %2 year(s) at a discount rate of %3%.</source>
        <translation>
            <numerusform>L’investissement&#xa0;: %1, évalué sur %2 an à un taux d’actualisation de %3&#xa0;%.</numerusform>
            <numerusform>L’investissement&#xa0;: %1, évalué sur %2 ans à un taux d’actualisation de %3&#xa0;%.</numerusform>
        </translation>
    </message>
    <message>
        <source>Business Case</source>
        <translation>Analyse de rentabilité</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Scénario</translation>
    </message>
    <message>
        <source>Reductions</source>
        <translation>Réductions</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Économies annuelles</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>Délai de récupération</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valeur actuelle nette</translation>
    </message>
    <message>
        <source>Sensitivity: each of the twelve figures and five reductions lowered and raised by %1%, a reduction no further than 0% or 100%.</source>
        <translation>Sensibilité&#xa0;: chacune des douze valeurs et des cinq réductions diminuée et augmentée de %1&#xa0;%, une réduction restant entre 0&#xa0;% et 100&#xa0;%.</translation>
    </message>
    <message>
        <source>Installed system price: %1</source>
        <translation>Prix du système installé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Installation cost: %1</source>
        <translation>Coût d’installation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Annual upkeep: %1</source>
        <translation>Entretien annuel&#xa0;: %1</translation>
    </message>
    <message>
        <source>No payback: with these figures the system brings no annual savings to pay for it.</source>
        <translation>Pas de récupération&#xa0;: avec ces valeurs, le système n’apporte aucune économie annuelle qui le rentabilise.</translation>
    </message>
    <message>
        <source>Payback period: %1 months</source>
        <translation>Délai de récupération&#xa0;: %1 mois</translation>
    </message>
    <message>
        <source>%1: the results cannot be computed from these figures.</source>
        <translation>%1&#xa0;: les résultats ne peuvent pas être calculés à partir de ces valeurs.</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Lubrication Cost Savings Report</source>
        <translation>Rapport d’économies sur les coûts de lubrification</translation>
    </message>
    <message>
        <source>All figures are annual, in dollars.</source>
        <translation>Tous les montants sont annuels, en dollars.</translation>
    </message>
    <message>
        <source>All figures are annual, in %1.</source>
        <translation>Tous les montants sont annuels, en %1.</translation>
    </message>
    <message>
        <source>No payback: nothing is invested.</source>
        <translation>Pas de récupération&#xa0;: rien n’est investi.</translation>
    </message>
    <message>
        <source>How these figures are computed. The current cost is what lubricating by hand costs a year: the labor to lubricate (%1), the lubricant (%2), new replacement bearings (%3), the labor to replace them (%4) and lost production, since every bearing failure stops production for the time its replacement takes (%5). %6 The savings are the difference. %7</source>
        <extracomment>%1 to %5: the formulas of the five cost rows (&quot;points × minutes per point ÷ 60 × ...&quot;), %6: the sentence on the reductions, %7: the sentence on the currency.</extracomment>
        <translation>Calcul de ces montants. Le coût actuel est ce que coûte chaque année la lubrification manuelle&#xa0;: la main-d’œuvre de lubrification (%1), le lubrifiant (%2), les roulements de rechange neufs (%3), la main-d’œuvre pour les remplacer (%4) et la production perdue, puisque chaque défaillance de roulement arrête la production pendant la durée de son remplacement (%5). %6 Les économies en sont la différence. %7</translation>
    </message>
    <message numerus="yes">
        <source>Payback period: %1 months, not within the %n year(s) evaluated</source>
        <translation>
            <numerusform>Délai de récupération&#xa0;: %1 mois, au-delà de la période évaluée (%n an)</numerusform>
            <numerusform>Délai de récupération&#xa0;: %1 mois, au-delà de la période évaluée (%n ans)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Net cash flow over %n year(s): %1</source>
        <translation>
            <numerusform>Flux de trésorerie net sur %n an&#xa0;: %1</numerusform>
            <numerusform>Flux de trésorerie net sur %n ans&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Cash flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Sensitivity of the Net Present Value</source>
        <translation>Sensibilité de la valeur actuelle nette</translation>
    </message>
    <message>
        <source>Ranges the runs are drawn from</source>
        <translation>Plages dont les tirages sont issus</translation>
    </message>
    <message>
        <source>Each run draws every input with a range from a PERT distribution: between its low and high value, most often near the most likely one. An input marked — keeps its figure. P10, P50 and P90: a tenth, half and nine tenths of the runs come out less favorable than this. The same seed draws the same runs.</source>
        <translation>Chaque tirage prend chaque donnée dotée d’une plage dans une loi PERT&#xa0;: entre sa valeur basse et sa valeur haute, le plus souvent près de la plus probable. Une donnée marquée — garde sa valeur. P10, P50 et P90&#xa0;: un dixième, la moitié et neuf dixièmes des tirages sont moins favorables que cette valeur. La même graine donne les mêmes tirages.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two parts of what the maintenance records come to, as two sentences.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The plant&apos;s maintenance records: %1.</source>
        <translation>Relevés de maintenance du site&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The figures they give are used in this report.</source>
        <translation>Les données qui en résultent sont utilisées dans ce rapport.</translation>
    </message>
    <message>
        <source>They are kept as evidence only; no figure of this report is taken from them.</source>
        <translation>Ils sont conservés comme justificatif uniquement&#xa0;; aucune donnée de ce rapport n’en est tirée.</translation>
    </message>
    <message>
        <source>An input drawn from a gamma distribution instead shows its P10, P50 and P90.</source>
        <translation>Une donnée tirée d’une loi gamma affiche à la place ses P10, P50 et P90.</translation>
    </message>
    <message>
        <source>Bearing failures by asset</source>
        <translation>Défaillances de roulement par équipement</translation>
    </message>
    <message>
        <source>Each period&apos;s failures a year are its failures over its years, with the exact %1 interval of a count of failures. The measured reduction is 1 − rate after ÷ rate before; its %1 interval is exact by the conditional binomial method: of all the failures, the share that came after the installation tells the ratio of the rates. A failure on the day of the installation counts after it.</source>
        <translation>Les défaillances par an de chaque période sont ses défaillances divisées par ses années, avec l’intervalle exact à %1 d’un nombre de défaillances. La réduction mesurée vaut 1 − taux après ÷ taux avant&#xa0;; son intervalle à %1 est exact par la méthode binomiale conditionnelle&#xa0;: la part de toutes les défaillances survenues après l’installation donne le rapport des taux. Une défaillance le jour de l’installation compte après.</translation>
    </message>
    <message>
        <source>The facility file keeps the counts only, not the failures&apos; dates: read the export again to chart them.</source>
        <translation>Le fichier du site ne garde que les nombres, pas les dates des défaillances&#xa0;: relisez l’export pour les tracer.</translation>
    </message>
    <message>
        <source>No payback: with these figures the annual nets after upkeep and tax do not recover the outlay.</source>
        <translation>Pas de récupération&#xa0;: avec ces valeurs, les flux nets annuels après entretien et impôt ne couvrent pas l’investissement.</translation>
    </message>
    <message>
        <source>Payback period: %1 months, after tax</source>
        <translation>Délai de récupération&#xa0;: %1 mois, après impôt</translation>
    </message>
    <message numerus="yes">
        <source>Payback period: %1 months after tax, not within the %n year(s) evaluated</source>
        <translation>
            <numerusform>Délai de récupération&#xa0;: %1 mois après impôt, au-delà de la période évaluée (%n an)</numerusform>
            <numerusform>Délai de récupération&#xa0;: %1 mois après impôt, au-delà de la période évaluée (%n ans)</numerusform>
        </translation>
    </message>
    <message>
        <source>The cumulative net is below zero again from year %1.</source>
        <translation>Le flux net cumulé redevient négatif à partir de l’année %1.</translation>
    </message>
    <message>
        <source>The net present value&apos;s sensitivity also moves the price, installation, upkeep, discount rate, tax rate and escalations by the same step, a tax rate no further than 0% or 100% and an escalation no further than %1% or %2%.</source>
        <translation>La sensibilité de la valeur actuelle nette fait aussi varier le prix, l’installation, l’entretien, le taux d’actualisation, le taux d’imposition et les hausses du même pas, un taux d’imposition restant entre 0&#xa0;% et 100&#xa0;% et une hausse entre %1&#xa0;% et %2&#xa0;%.</translation>
    </message>
    <message>
        <source>No payback: with these figures the annual nets after upkeep do not recover the outlay.</source>
        <translation>Pas de récupération&#xa0;: avec ces valeurs, les flux nets annuels après entretien ne couvrent pas l’investissement.</translation>
    </message>
    <message>
        <source>How these figures are computed. The current cost is what lubricating by hand costs a year: the labor to lubricate (%1), the lubricant (%2), new replacement bearings (%3), the labor to replace them (%4) and lost production, since every bearing failure stops production (%5). %6 The savings are the difference. %7</source>
        <extracomment>%1 to %4: the formulas of the first four cost rows, %5: the formula of the lost production as the rule values it, %6: the rule and the reductions in sentences, %7: the sentence on the currency.</extracomment>
        <translation>Calcul de ces montants. Le coût actuel est ce que coûte chaque année la lubrification manuelle&#xa0;: la main-d’œuvre de lubrification (%1), le lubrifiant (%2), les roulements de rechange neufs (%3), la main-d’œuvre pour les remplacer (%4) et la production perdue, puisque chaque défaillance de roulement arrête la production (%5). %6 Les économies en sont la différence. %7</translation>
    </message>
    <message>
        <source>Price and installation with a contingency of %1: %2</source>
        <translation>Prix et installation avec une provision pour aléas de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Alternatives Considered</source>
        <translation>Options étudiées</translation>
    </message>
    <message numerus="yes">
        <source>These figures are of the option %1, one of the %n options the page of the alternatives considered sets beside doing nothing.</source>
        <translation>
            <numerusform>Ces chiffres sont ceux de l’option %1, l’une des %n&#xa0;option que la page des options étudiées compare à l’inaction.</numerusform>
            <numerusform>Ces chiffres sont ceux de l’option %1, l’une des %n&#xa0;options que la page des options étudiées compare à l’inaction.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cash Flow and Sensitivity of the Net Present Value</source>
        <translation>Flux de trésorerie et sensibilité de la valeur actuelle nette</translation>
    </message>
</context>
<context>
    <name>RiskChartText</name>
    <message>
        <source>Histogram of the NPV ($)</source>
        <translation>Histogramme de la VAN ($)</translation>
    </message>
    <message>
        <source>Histogram of the annual savings ($)</source>
        <translation>Histogramme des économies annuelles ($)</translation>
    </message>
    <message>
        <source>Share of runs (%)</source>
        <translation>Part des tirages (%)</translation>
    </message>
    <message>
        <source>S-curve of the NPV ($)</source>
        <translation>Courbe en S de la VAN ($)</translation>
    </message>
    <message>
        <source>S-curve of the annual savings ($)</source>
        <translation>Courbe en S des économies annuelles ($)</translation>
    </message>
    <message>
        <source>Runs at or below (%)</source>
        <translation>Tirages inférieurs ou égaux (%)</translation>
    </message>
</context>
<context>
    <name>RiskRangesDialog</name>
    <message>
        <source>Risk Ranges</source>
        <translation>Plages de risque</translation>
    </message>
    <message>
        <source>Each input varies from its low to its high value, most often near the most likely one. An input whose three fields are empty stays at its figure, shown in gray.</source>
        <translation>Chaque donnée varie de sa valeur basse à sa valeur haute, le plus souvent près de la plus probable. Une donnée dont les trois champs sont vides garde sa valeur, affichée en gris.</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Graine&#xa0;:</translation>
    </message>
    <message>
        <source>Runs:</source>
        <translation>Tirages&#xa0;:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Give the low, most likely and high value of %1, or leave all three empty to keep it at its figure.</source>
        <translation>Indiquez les valeurs basse, la plus probable et haute de %1, ou laissez les trois vides pour garder sa valeur.</translation>
    </message>
    <message>
        <source>The value %1 of %2 is no number.</source>
        <translation>La valeur %1 de %2 n’est pas un nombre.</translation>
    </message>
    <message>
        <source>The values of %1 are out of order: the low value may not exceed the most likely one, nor the most likely the high one.</source>
        <translation>Les valeurs de %1 ne sont pas dans l’ordre&#xa0;: la valeur basse ne peut dépasser la plus probable, ni celle-ci la valeur haute.</translation>
    </message>
    <message>
        <source>The values of %1 are reductions: each from 0 to 100.</source>
        <translation>Les valeurs de %1 sont des réductions&#xa0;: chacune de 0 à 100.</translation>
    </message>
    <message>
        <source>The values of %1 may not be negative.</source>
        <translation>Les valeurs de %1 ne peuvent être négatives.</translation>
    </message>
    <message>
        <source>The seed %1 is no whole number from 0 to %2.</source>
        <translation>La graine %1 n’est pas un entier de 0 à %2.</translation>
    </message>
    <message>
        <source>From the records</source>
        <translation>D’après les relevés</translation>
    </message>
    <message>
        <source>The records give %1, shown as its P10, P50 and P90.</source>
        <translation>Les relevés donnent %1, représentée par ses P10, P50 et P90.</translation>
    </message>
    <message>
        <source>The records give %1.</source>
        <translation>Les relevés donnent %1.</translation>
    </message>
</context>
<context>
    <name>RiskSheetText</name>
    <message>
        <source>Risk simulation</source>
        <translation>Simulation du risque</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Runs computed</source>
        <translation>Tirages calculés</translation>
    </message>
    <message>
        <source>Runs left out (arithmetic overflows)</source>
        <translation>Tirages écartés (dépassement de calcul)</translation>
    </message>
    <message>
        <source>fixed at its figure</source>
        <translation>fixé à sa valeur</translation>
    </message>
    <message>
        <source>a gamma from the records: its P10, P50 and P90</source>
        <translation>une loi gamma d’après les relevés&#xa0;: ses P10, P50 et P90</translation>
    </message>
</context>
<context>
    <name>RiskText</name>
    <message>
        <source>Lubrication labor reduction (%)</source>
        <translation>Réduction main-d’œuvre de lubrification (%)</translation>
    </message>
    <message>
        <source>Lubricant reduction (%)</source>
        <translation>Réduction lubrifiant (%)</translation>
    </message>
    <message>
        <source>Bearings reduction (%)</source>
        <translation>Réduction roulements (%)</translation>
    </message>
    <message>
        <source>Replacement labor reduction (%)</source>
        <translation>Réduction remplacement des roulements (%)</translation>
    </message>
    <message>
        <source>Lost production reduction (%)</source>
        <translation>Réduction production perdue (%)</translation>
    </message>
    <message>
        <source>Bearing failures a year</source>
        <translation>Défaillances de roulement par an</translation>
    </message>
    <message>
        <source>Hours to replace a bearing</source>
        <translation>Heures par remplacement de roulement</translation>
    </message>
    <message>
        <source>Value of an hour&apos;s production ($)</source>
        <translation>Valeur produite par heure ($)</translation>
    </message>
    <message numerus="yes">
        <source>%1 run(s) of the simulation, seed %2</source>
        <extracomment>%1: the number of runs, %2: the seed, a whole number that draws the same runs again.</extracomment>
        <translation>
            <numerusform>%1 tirage de la simulation, graine %2</numerusform>
            <numerusform>%1 tirages de la simulation, graine %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 run(s) left out: their arithmetic overflows.</source>
        <translation>
            <numerusform>%1 tirage écarté&#xa0;: son calcul dépasse les limites.</numerusform>
            <numerusform>%1 tirages écartés&#xa0;: leur calcul dépasse les limites.</numerusform>
        </translation>
    </message>
    <message>
        <source>Annual savings, P10 / P50 / P90: %1 / %2 / %3</source>
        <translation>Économies annuelles, P10 / P50 / P90&#xa0;: %1 / %2 / %3</translation>
    </message>
    <message>
        <source>Net present value, P10 / P50 / P90: %1 / %2 / %3</source>
        <translation>Valeur actuelle nette, P10 / P50 / P90&#xa0;: %1 / %2 / %3</translation>
    </message>
    <message>
        <source>Simple payback in months, P10 / P50 / P90: %1 / %2 / %3</source>
        <translation>Délai de récupération simple en mois, P10 / P50 / P90&#xa0;: %1 / %2 / %3</translation>
    </message>
    <message>
        <source>No run of the simulation can be computed from these figures and ranges.</source>
        <translation>Aucun tirage ne peut être calculé avec ces valeurs et ces plages.</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Risque</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Donnée</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Most likely</source>
        <translation>Plus probable</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Économies annuelles</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valeur actuelle nette</translation>
    </message>
    <message>
        <source>Simple payback (months)</source>
        <translation>Délai de récupération simple (mois)</translation>
    </message>
    <message>
        <source>Chance that the NPV is below zero</source>
        <translation>Probabilité d’une VAN négative</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Tirage</translation>
    </message>
    <message>
        <source>The range of %1 is too wide: at its ends the arithmetic overflows, so the runs there cannot be computed. Narrow it to simulate the risk.</source>
        <translation>La plage de %1 est trop large&#xa0;: à ses extrémités, le calcul dépasse les limites et les tirages correspondants ne peuvent être calculés. Resserrez-la pour simuler le risque.</translation>
    </message>
    <message>
        <source>P10 is each measure&apos;s unfavorable end: savings and net present value reached in %1 of the runs, a payback reached within it in %1 of them. The inputs are drawn independently.</source>
        <extracomment>%1: nine runs in ten, &quot;90%&quot; as the language writes a percentage.</extracomment>
        <translation>P10 est l’extrémité défavorable de chaque mesure&#xa0;: économie et valeur actuelle nette atteintes dans %1 des tirages, retour sur investissement obtenu dans ce délai dans %1 d’entre eux. Les entrées sont tirées indépendamment.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1: the input&apos;s name, %2: how the records give it.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>From the records: %1.</source>
        <translation>D’après les relevés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>not within the period</source>
        <translation>au-delà de la période</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a caption and its figure, with the language&apos;s colon</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Not every byte could be written.</source>
        <translation>Tous les octets n’ont pas pu être écrits.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Un dossier portant ce nom fait obstacle.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>C’est un périphérique, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a pipe (FIFO), not a file.</source>
        <translation>C’est un tube (FIFO), pas un fichier.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>C’est un socket, pas un fichier.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It cannot be read to see what it holds: %1</source>
        <translation>Il ne peut pas être lu pour en vérifier le contenu&#xa0;: %1</translation>
    </message>
    <message>
        <source>It is not a %1, so it is not replaced.</source>
        <translation>Ce n’est pas un %1&#xa0;; il n’est donc pas remplacé.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n’a été indiqué.</translation>
    </message>
    <message>
        <source>Its name is that of a %1, which a %2 never replaces.</source>
        <translation>Son nom est celui d’un %1, qu’un %2 ne remplace jamais.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>C’est un lien vers un fichier qui n’existe pas.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n’est pas un dossier.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>Nothing was made to write.</source>
        <translation>Rien n’a été produit à écrire.</translation>
    </message>
    <message>
        <source>Not every byte reached the file.</source>
        <translation>Tous les octets ne sont pas parvenus au fichier.</translation>
    </message>
    <message>
        <source>facility file</source>
        <translation>fichier de données d’usine</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>document PDF</translation>
    </message>
    <message>
        <source>spreadsheet workbook</source>
        <translation>classeur de tableur</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>fichier CSV</translation>
    </message>
    <message>
        <source>It holds JSON as a %1 does, which a %2 never replaces.</source>
        <translation>Il contient du JSON comme un %1, qu’un %2 ne remplace jamais.</translation>
    </message>
    <message>
        <source>It is a link to %1, whose name is that of a %2, which a %3 never replaces.</source>
        <translation>C’est un lien vers %1, dont le nom est celui d’un %2, qu’un %3 ne remplace jamais.</translation>
    </message>
    <message>
        <source>The new file is in place, but the system did not confirm that it is on the disk: %1</source>
        <translation>Le nouveau fichier est en place, mais le système n’a pas confirmé qu’il se trouve sur le disque&#xa0;: %1</translation>
    </message>
    <message>
        <source>System error %1</source>
        <translation>Erreur système %1</translation>
    </message>
    <message>
        <source>No temporary file could be made beside it.</source>
        <translation>Aucun fichier temporaire n’a pu être créé à côté.</translation>
    </message>
</context>
<context>
    <name>SavingsChartText</name>
    <message>
        <source>Bearing failures counted up</source>
        <translation>Défaillances de roulement cumulées</translation>
    </message>
    <message>
        <source>Failures since %1</source>
        <translation>Défaillances depuis le %1</translation>
    </message>
    <message>
        <source>Failures counted up</source>
        <translation>Défaillances cumulées</translation>
    </message>
    <message>
        <source>At the rate before the installation</source>
        <translation>Au taux d’avant l’installation</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>Installé le %1</translation>
    </message>
</context>
<context>
    <name>SavingsCheckText</name>
    <message>
        <source>Savings check</source>
        <translation>Contrôle des économies</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Années</translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation>Défaillances de roulement</translation>
    </message>
    <message>
        <source>Failures a year</source>
        <translation>Défaillances par an</translation>
    </message>
    <message>
        <source>90% low</source>
        <translation>Borne basse à 90&#xa0;%</translation>
    </message>
    <message>
        <source>90% high</source>
        <translation>Borne haute à 90&#xa0;%</translation>
    </message>
    <message>
        <source>Measured reduction</source>
        <translation>Réduction mesurée</translation>
    </message>
    <message>
        <source>Measured reduction, 90% low</source>
        <translation>Réduction mesurée, borne basse à 90&#xa0;%</translation>
    </message>
    <message>
        <source>Measured reduction, 90% high</source>
        <translation>Réduction mesurée, borne haute à 90&#xa0;%</translation>
    </message>
    <message>
        <source>Assumed reduction</source>
        <translation>Réduction supposée</translation>
    </message>
    <message>
        <source>%1 between any rise and %2 fewer</source>
        <translation>à %1 entre une hausse quelconque et %2 de moins</translation>
    </message>
    <message>
        <source>%1 at least %2 more</source>
        <translation>à %1 au moins %2 de plus</translation>
    </message>
    <message>
        <source>%1 between %2 and %3 fewer</source>
        <translation>à %1 entre %2 et %3 de moins</translation>
    </message>
    <message>
        <source>%1 between %2 and %3 more</source>
        <translation>à %1 entre %2 et %3 de plus</translation>
    </message>
    <message>
        <source>%1 between %2 more and %3 fewer</source>
        <translation>à %1 entre %2 de plus et %3 de moins</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>aucun changement</translation>
    </message>
    <message>
        <source>%1 fewer</source>
        <translation>%1 de moins</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>The case assumes %1 fewer bearing failures; the records measure %2, %3.</source>
        <extracomment>%1: the assumed reduction (&quot;80%&quot;), %2: the measured one (&quot;71% fewer&quot;, &quot;13% more&quot;), %3: its interval (&quot;90% between 48% and 85% fewer&quot;).</extracomment>
        <translation>Le calcul suppose %1 de défaillances de roulement en moins&#xa0;; les relevés mesurent %2, %3.</translation>
    </message>
    <message>
        <source>%1 a year, %2 between %3 and %4</source>
        <extracomment>%1: failures a year, %2: &quot;90%&quot;, %3 and %4: the interval&apos;s ends.</extracomment>
        <translation>%1 par an, à %2 entre %3 et %4</translation>
    </message>
    <message numerus="yes">
        <source>Before %1: %Ln bearing failure(s) in %2 years, %3</source>
        <translation>
            <numerusform>Avant le %1&#xa0;: %Ln défaillance de roulement en %2 ans, %3</numerusform>
            <numerusform>Avant le %1&#xa0;: %Ln défaillances de roulement en %2 ans, %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From %1 on: %Ln bearing failure(s) in %2 years, %3</source>
        <translation>
            <numerusform>À partir du %1&#xa0;: %Ln défaillance de roulement en %2 ans, %3</numerusform>
            <numerusform>À partir du %1&#xa0;: %Ln défaillances de roulement en %2 ans, %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavingsKindsText</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Hard savings, cash the plant no longer pays: %1.</source>
        <translation>Économies réelles, trésorerie que l’usine ne dépense plus&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Soft savings, not cash until they replace costs the plant pays: %1.</source>
        <translation>Économies indirectes, sans effet de trésorerie tant qu’elles ne remplacent pas des coûts payés par l’usine&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The freed lubrication hours are counted as cash.</source>
        <translation>Les heures de graissage libérées sont comptées comme trésorerie.</translation>
    </message>
    <message>
        <source>The freed lubrication hours go to %1, counted as cash.</source>
        <translation>Les heures de graissage libérées vont à %1, comptées comme trésorerie.</translation>
    </message>
    <message>
        <source>Nothing says what the freed lubrication hours will do.</source>
        <translation>Rien ne dit à quoi serviront les heures de graissage libérées.</translation>
    </message>
    <message>
        <source>The freed lubrication hours go to %1, not counted as cash.</source>
        <translation>Les heures de graissage libérées vont à %1, non comptées comme trésorerie.</translation>
    </message>
    <message>
        <source>The lost production is cash at its contribution margin.</source>
        <translation>La perte de production compte en trésorerie à sa marge sur coûts variables.</translation>
    </message>
    <message>
        <source>The lost production is counted as cash at the full production value.</source>
        <translation>La perte de production est comptée en trésorerie à toute la valeur de production.</translation>
    </message>
    <message>
        <source>The lost production is valued at revenue, not at its margin.</source>
        <translation>La perte de production est valorisée au chiffre d’affaires, pas à sa marge.</translation>
    </message>
</context>
<context>
    <name>SummaryText</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Payback (months)</source>
        <translation>Délai de récupération (mois)</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valeur actuelle nette</translation>
    </message>
    <message>
        <source>Its figures cannot be computed: %1.</source>
        <translation>Ses valeurs ne peuvent pas être calculées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Could not sum up %1. %2</source>
        <translation>Impossible de totaliser %1. %2</translation>
    </message>
    <message>
        <source>A summary is written as .csv or .xlsx.</source>
        <translation>Un récapitulatif s’écrit au format .csv ou .xlsx.</translation>
    </message>
    <message>
        <source>Could not write the summary to %1. %2</source>
        <translation>Impossible d’écrire le récapitulatif dans %1. %2</translation>
    </message>
    <message>
        <source>Paid back</source>
        <translation>Récupéré</translation>
    </message>
    <message>
        <source>within</source>
        <translation>dans la période</translation>
    </message>
    <message>
        <source>not within</source>
        <translation>au-delà de la période</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Net present value on hard savings</source>
        <translation>Valeur actuelle nette sur économies réelles</translation>
    </message>
</context>
<context>
    <name>TableTitles</name>
    <message>
        <source>Current Cost</source>
        <translation>Coût actuel</translation>
    </message>
    <message>
        <source>ANUAL COST OF MANUAL LUBRICATION</source>
        <translation>COÛT ANNUEL DE LA LUBRIFICATION MANUELLE</translation>
    </message>
    <message>
        <source>Current annual cost</source>
        <translation>Coût annuel actuel</translation>
    </message>
    <message>
        <source>Velmor Cost</source>
        <translation>Coût Velmor</translation>
    </message>
    <message>
        <source>ANNUAL COST OF LUBRICATION USING VELMOR AUTOMATIC LUBRICATION SYSTEM</source>
        <translation>COÛT ANNUEL AVEC LE SYSTÈME DE LUBRIFICATION AUTOMATIQUE VELMOR</translation>
    </message>
    <message>
        <source>Velmor annual cost</source>
        <translation>Coût annuel Velmor</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Économies</translation>
    </message>
    <message>
        <source>ANNUAL COST SAVINGS REALIZED BY USING VELMOR AUTOMATION VS. MANUAL LUBRICATION</source>
        <translation>ÉCONOMIES ANNUELLES DE L’AUTOMATISATION VELMOR FACE À LA LUBRIFICATION MANUELLE</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Économies annuelles</translation>
    </message>
</context>
<context>
    <name>WorkOrderText</name>
    <message>
        <source>No column is chosen for the date.</source>
        <translation>Aucune colonne n’est choisie pour la date.</translation>
    </message>
    <message>
        <source>The date %1 on line %2 does not read as a date.</source>
        <translation>La date %1 à la ligne %2 ne se lit pas comme une date.</translation>
    </message>
    <message>
        <source>The records hold no work orders.</source>
        <translation>Les relevés ne contiennent aucun ordre de travail.</translation>
    </message>
    <message>
        <source>The hours %1 on line %2 are no number.</source>
        <translation>Les heures %1 à la ligne %2 ne sont pas un nombre.</translation>
    </message>
    <message>
        <source>The repair hours %1 on line %2 are more than two weeks for one repair.</source>
        <translation>Les heures de réparation %1 à la ligne %2 dépassent deux semaines pour une seule réparation.</translation>
    </message>
    <message>
        <source>The records hold no work orders from %1 to %2.</source>
        <translation>Les relevés ne contiennent aucun ordre de travail du %1 au %2.</translation>
    </message>
</context>
<context>
    <name>WorkbookText</name>
    <message>
        <source>Figure</source>
        <translation>Donnée</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Reduction with Velmor</source>
        <translation>Réduction avec Velmor</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pour cent</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investissement</translation>
    </message>
    <message>
        <source>Installed system price</source>
        <translation>Prix du système installé</translation>
    </message>
    <message>
        <source>Installation cost</source>
        <translation>Coût d’installation</translation>
    </message>
    <message>
        <source>Annual upkeep</source>
        <translation>Entretien annuel</translation>
    </message>
    <message>
        <source>per year</source>
        <translation>par an</translation>
    </message>
    <message>
        <source>Evaluation period</source>
        <translation>Période d’évaluation</translation>
    </message>
    <message>
        <source>years (1 to %1)</source>
        <translation>ans (1 à %1)</translation>
    </message>
    <message>
        <source>Discount rate</source>
        <translation>Taux d’actualisation</translation>
    </message>
    <message>
        <source>% a year</source>
        <translation>% par an</translation>
    </message>
    <message>
        <source>Business Case</source>
        <translation>Analyse de rentabilité</translation>
    </message>
    <message>
        <source>Initial outlay (price + installation)</source>
        <translation>Investissement initial (prix + installation)</translation>
    </message>
    <message>
        <source>Simple payback, months</source>
        <translation>Délai de récupération simple, mois</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valeur actuelle nette</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>Taux de rendement interne</translation>
    </message>
    <message>
        <source>The figures cannot be computed: %1.</source>
        <translation>Les valeurs ne peuvent pas être calculées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Could not write the workbook %1. %2</source>
        <translation>Impossible d’écrire le classeur %1. %2</translation>
    </message>
    <message>
        <source>No temporary folder could be made for it: %1</source>
        <translation>Aucun dossier temporaire n’a pu être créé pour lui&#xa0;: %1</translation>
    </message>
    <message>
        <source>The workbook could not be started.</source>
        <translation>Le classeur n’a pas pu être commencé.</translation>
    </message>
    <message>
        <source>The workbook made could not be read back.</source>
        <translation>Le classeur créé n’a pas pu être relu.</translation>
    </message>
    <message>
        <source>The workbook could not be made: %1</source>
        <translation>Le classeur n’a pas pu être créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The temporary folder %1 may be full, or a file size limit was reached.</source>
        <translation>Le dossier temporaire %1 est peut-être plein, ou une limite de taille de fichier a été atteinte.</translation>
    </message>
    <message>
        <source>Its part %1 came out cut short or damaged.</source>
        <translation>Sa partie %1 est tronquée ou endommagée.</translation>
    </message>
    <message>
        <source>Capital request</source>
        <translation>Demande d’investissement</translation>
    </message>
    <message>
        <source>Escalation of the labor rates</source>
        <translation>Indexation des taux horaires</translation>
    </message>
    <message>
        <source>Escalation of the lubricant price</source>
        <translation>Indexation du prix du lubrifiant</translation>
    </message>
    <message>
        <source>Escalation of the bearing price</source>
        <translation>Indexation du prix des roulements</translation>
    </message>
    <message>
        <source>Escalation of the production value</source>
        <translation>Indexation de la valeur de la production</translation>
    </message>
    <message>
        <source>Escalation of the upkeep</source>
        <translation>Indexation de l’entretien</translation>
    </message>
    <message>
        <source>Income tax rate</source>
        <translation>Taux d’imposition</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Amortissement</translation>
    </message>
    <message>
        <source>0 none, 1 straight-line, 2 declining balance</source>
        <translation>0 aucun, 1 linéaire, 2 dégressif</translation>
    </message>
    <message>
        <source>Depreciation period</source>
        <translation>Durée d’amortissement</translation>
    </message>
    <message>
        <source>years (straight-line)</source>
        <translation>ans (linéaire)</translation>
    </message>
    <message>
        <source>Declining-balance rate</source>
        <translation>Taux d’amortissement dégressif</translation>
    </message>
    <message>
        <source>% of the book value a year</source>
        <translation>% de la valeur comptable par an</translation>
    </message>
    <message>
        <source>First-year share of the savings</source>
        <translation>Part des économies en première année</translation>
    </message>
    <message>
        <source>Timing of the annual flows</source>
        <translation>Moment des flux annuels</translation>
    </message>
    <message>
        <source>0 year-end, 1 mid-year</source>
        <translation>0 fin d’année, 1 milieu d’année</translation>
    </message>
    <message>
        <source>Residual value</source>
        <translation>Valeur résiduelle</translation>
    </message>
    <message>
        <source>at the period&apos;s end</source>
        <translation>en fin de période</translation>
    </message>
    <message>
        <source>Book value</source>
        <translation>Valeur comptable</translation>
    </message>
    <message>
        <source>Discount factor</source>
        <translation>Facteur d’actualisation</translation>
    </message>
    <message>
        <source>Paid back by (months)</source>
        <translation>Récupéré en (mois)</translation>
    </message>
    <message>
        <source>Paid back discounted by (years)</source>
        <translation>Récupéré actualisé en (ans)</translation>
    </message>
    <message>
        <source>Half year</source>
        <translation>Semestre</translation>
    </message>
    <message>
        <source>Flow at the half year</source>
        <translation>Flux au semestre</translation>
    </message>
    <message>
        <source>Sign so far</source>
        <translation>Signe jusqu’ici</translation>
    </message>
    <message>
        <source>Net of year 1 (savings − upkeep)</source>
        <translation>Flux net de la 1re année (économies − entretien)</translation>
    </message>
    <message>
        <source>Return on investment over the period (undiscounted)</source>
        <translation>Retour sur investissement sur la période (non actualisé)</translation>
    </message>
    <message>
        <source>Annualised return on investment</source>
        <translation>Retour sur investissement annualisé</translation>
    </message>
    <message>
        <source>Profitability index (NPV ÷ initial outlay + 1)</source>
        <translation>Indice de profitabilité (VAN ÷ investissement initial + 1)</translation>
    </message>
    <message>
        <source>Discounted payback, years</source>
        <translation>Délai de récupération actualisé (ans)</translation>
    </message>
    <message numerus="yes">
        <source>not within the %1 year(s)</source>
        <translation>
            <numerusform>au-delà de %1 an</numerusform>
            <numerusform>au-delà des %1 ans</numerusform>
        </translation>
    </message>
    <message>
        <source>none: the cash flows never change sign</source>
        <translation>aucun&#xa0;: les flux de trésorerie ne changent jamais de signe</translation>
    </message>
    <message>
        <source>none: the cash flows change sign more than once</source>
        <translation>aucun&#xa0;: les flux de trésorerie changent de signe plus d’une fois</translation>
    </message>
    <message>
        <source>Sum of (net − year 1&apos;s net)</source>
        <translation>Somme (net − net de l’année 1)</translation>
    </message>
    <message>
        <source>never: the annual nets do not recover the outlay</source>
        <translation>jamais&#xa0;: les flux nets annuels ne couvrent pas l’investissement</translation>
    </message>
    <message>
        <source>Business Case on Hard Savings</source>
        <translation>Analyse de rentabilité sur économies réelles</translation>
    </message>
    <message>
        <source>Lost production</source>
        <translation>Perte de production</translation>
    </message>
    <message>
        <source>Contribution margin</source>
        <translation>Marge sur coûts variables</translation>
    </message>
    <message>
        <source>% (sold out: the whole production value)</source>
        <translation>% (pleine capacité&#xa0;: toute la valeur de production)</translation>
    </message>
    <message>
        <source>% of the production value</source>
        <translation>% de la valeur de production</translation>
    </message>
    <message>
        <source>Lost output made up later</source>
        <translation>Production perdue rattrapée plus tard</translation>
    </message>
    <message>
        <source>People standing idle during a stop</source>
        <translation>Personnes inactives pendant un arrêt</translation>
    </message>
    <message>
        <source>Their hourly rate</source>
        <translation>Leur taux horaire</translation>
    </message>
    <message>
        <source>%1/hour</source>
        <translation>%1/heure</translation>
    </message>
    <message>
        <source>Stop per failure</source>
        <translation>Arrêt par défaillance</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>Cash (1) or not (0)</source>
        <translation>Trésorerie (1) ou non (0)</translation>
    </message>
    <message>
        <source>The freed hours go to %1</source>
        <translation>Les heures libérées vont à %1</translation>
    </message>
    <message>
        <source>Hard savings</source>
        <translation>Économies réelles</translation>
    </message>
    <message>
        <source>Total hard savings</source>
        <translation>Total des économies réelles</translation>
    </message>
    <message>
        <source>Initial outlay (price + installation + contingency)</source>
        <translation>Investissement initial (prix + installation + provision pour aléas)</translation>
    </message>
    <message>
        <source>Contingency</source>
        <translation>Provision pour aléas</translation>
    </message>
    <message>
        <source>% of the price and installation</source>
        <translation>% du prix et de l’installation</translation>
    </message>
    <message>
        <source>Estimate accuracy, below</source>
        <translation>Précision de l’estimation, en deçà</translation>
    </message>
    <message>
        <source>Estimate accuracy, above</source>
        <translation>Précision de l’estimation, au-delà</translation>
    </message>
    <message>
        <source>Hurdle rate</source>
        <translation>Taux de rendement minimal</translation>
    </message>
    <message>
        <source>Initial outlay, with the one-off items at the start</source>
        <translation>Investissement initial, avec les postes ponctuels du départ</translation>
    </message>
    <message>
        <source>Other annual savings</source>
        <translation>Autres économies annuelles</translation>
    </message>
    <message>
        <source>One-off items</source>
        <translation>Postes ponctuels</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Every (years, 0 once)</source>
        <translation>Tous les (ans, 0 une fois)</translation>
    </message>
    <message>
        <source>Alternatives Considered</source>
        <translation>Options étudiées</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>Économies annuelles</translation>
    </message>
    <message>
        <source>Outlay</source>
        <translation>Investissement initial</translation>
    </message>
    <message>
        <source>Discount rate (%)</source>
        <translation>Taux d’actualisation (%)</translation>
    </message>
    <message>
        <source>NPV on hard savings</source>
        <translation>VAN sur économies réelles</translation>
    </message>
    <message>
        <source>Set against</source>
        <translation>Comparée à</translation>
    </message>
    <message>
        <source>Incremental NPV</source>
        <translation>VAN différentielle</translation>
    </message>
    <message>
        <source>Incremental IRR</source>
        <translation>TRI différentiel</translation>
    </message>
    <message>
        <source>%1 less %2</source>
        <translation>%1 moins %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Compares the annual cost of lubricating a facility by hand with the cost of a Velmor automatic lubrication system.</source>
        <translation>Compare le coût annuel de la lubrification manuelle d’une usine avec le coût d’un système de lubrification automatique Velmor.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>A facility file (.velmor) to open.</source>
        <translation>Un fichier de données d’usine (.velmor) à ouvrir.</translation>
    </message>
    <message>
        <source>one facility file at a time, not %1</source>
        <translation>un seul fichier de données d’usine à la fois, pas %1</translation>
    </message>
    <message>
        <source>--report needs the name of the PDF file to write</source>
        <translation>--report demande le nom du fichier PDF à écrire</translation>
    </message>
    <message>
        <source>Shows the window and writes the report in LANGUAGE: %1.</source>
        <translation>Affiche la fenêtre et rédige le rapport dans la langue LANGUAGE&#xa0;: %1.</translation>
    </message>
    <message>
        <source>no language &quot;%1&quot;; the languages are %2</source>
        <translation>aucune langue «&#xa0;%1&#xa0;»&#xa0;; les langues sont %2</translation>
    </message>
    <message>
        <source>Writes the customer report of FILE, or of the default figures, to OUT as a PDF, without opening a window.</source>
        <translation>Écrit le rapport client de FILE, ou des valeurs par défaut, dans OUT au format PDF, sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>Writes the figures of FILE, or the default figures, to OUT as a workbook (.xlsx) whose costs are formulas, without opening a window.</source>
        <translation>Écrit les valeurs de FILE, ou les valeurs par défaut, dans OUT sous forme de classeur (.xlsx) dont les coûts sont des formules, sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>one of --report, --workbook and --summary at a time</source>
        <translation>une seule des options --report, --workbook et --summary à la fois</translation>
    </message>
    <message>
        <source>--summary needs the name of the file to write</source>
        <translation>--summary demande le nom du fichier à écrire</translation>
    </message>
    <message>
        <source>--summary needs at least one facility file</source>
        <translation>--summary demande au moins un fichier de données d’usine</translation>
    </message>
    <message>
        <source>--workbook needs the name of the workbook to write</source>
        <translation>--workbook demande le nom du classeur à écrire</translation>
    </message>
    <message>
        <source>Writes one row for each FILE (its totals, payback and net present value) and a total row to OUT, a .csv or .xlsx file. A file listed twice, by any name, is refused rather than counted twice.</source>
        <translation>Écrit dans OUT, un fichier .csv ou .xlsx, une ligne par FILE (ses totaux, son délai de récupération et sa valeur actuelle nette) et une ligne de total. Un fichier indiqué deux fois, sous quelque nom que ce soit, est refusé plutôt que compté deux fois.</translation>
    </message>
    <message>
        <source>--%1 is given more than once; one file is written at a time</source>
        <translation>--%1 est indiqué plus d’une fois&#xa0;; un seul fichier est écrit à la fois</translation>
    </message>
    <message>
        <source>--summary lists %1 twice</source>
        <translation>--summary indique %1 deux fois</translation>
    </message>
    <message>
        <source>--summary lists one file twice, as %1 and as %2</source>
        <translation>--summary indique un même fichier deux fois, sous %1 et sous %2</translation>
    </message>
    <message>
        <source>Could not use the figures of %1. %2</source>
        <translation>Impossible d’utiliser les valeurs de %1. %2</translation>
    </message>
    <message>
        <source>The dates of column %1 could be day first or month first (03/04/2024); their order can be chosen in the window.</source>
        <translation>Les dates de la colonne %1 peuvent commencer par le jour ou par le mois (03/04/2024)&#xa0;; leur ordre peut être choisi dans la fenêtre.</translation>
    </message>
    <message>
        <source>Reads a work-order export (.csv, .txt or .xlsx) with the columns guessed from its header and writes what its bearing failures and repair hours come to; with --report or --workbook, applies them to the figures of FILE, or the default figures, before writing.</source>
        <translation>Lit un export d’ordres de travail (.csv, .txt ou .xlsx), en reconnaît les colonnes d’après l’en-tête et écrit ce que donnent ses défaillances de roulement et ses heures de réparation&#xa0;; avec --report ou --workbook, les applique aux données de FILE, ou aux données par défaut, avant l’écriture.</translation>
    </message>
    <message>
        <source>--records is given more than once; one export is read at a time</source>
        <translation>--records est indiqué plusieurs fois&#xa0;; un seul export est lu à la fois</translation>
    </message>
    <message>
        <source>--records needs the name of the export to read</source>
        <translation>--records exige le nom de l’export à lire</translation>
    </message>
    <message>
        <source>--records goes with --report or --workbook, not with --summary</source>
        <translation>--records s’emploie avec --report ou --workbook, pas avec --summary</translation>
    </message>
    <message>
        <source>It has no sheet %1.</source>
        <translation>Il n’a pas de feuille %1.</translation>
    </message>
    <message>
        <source>--%1 goes with --records</source>
        <translation>--%1 s’emploie avec --records</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 est indiqué plusieurs fois</translation>
    </message>
    <message>
        <source>--date-order is dmy or mdy, not &quot;%1&quot;</source>
        <translation>--date-order vaut dmy ou mdy, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>With --records, reads the workbook&apos;s sheet SHEET, by its number from 1 or its name, instead of the first.</source>
        <translation>Avec --records, lit la feuille SHEET du classeur, par son numéro à partir de 1 ou par son nom, au lieu de la première.</translation>
    </message>
    <message>
        <source>With --records, reads the columns named in COLUMNS (&quot;date=Datum,description=Text,repairHours=Ist-Arbeit&quot;; also asset, workType and downtimeHours) instead of those guessed from the header.</source>
        <translation>Avec --records, lit les colonnes nommées dans COLUMNS («&#xa0;date=Datum,description=Text,repairHours=Ist-Arbeit&#xa0;»&#xa0;; aussi asset, workType et downtimeHours) au lieu de celles devinées d’après l’en-tête.</translation>
    </message>
    <message>
        <source>With --records, counts the work orders whose type or description holds one of WORDS (separated by commas) as bearing failures; given, no failure found is a result, not a refusal.</source>
        <translation>Avec --records, compte comme défaillances de roulement les ordres de travail dont le type ou la description contient l’un des WORDS (séparés par des virgules)&#xa0;; s’ils sont donnés, l’absence de défaillance est un résultat et non un refus.</translation>
    </message>
    <message>
        <source>With --records, reads dates such as 03/04/2024 day first (dmy) or month first (mdy) where the export does not tell.</source>
        <translation>Avec --records, lit les dates comme 03/04/2024 jour en premier (dmy) ou mois en premier (mdy) là où l’export ne le dit pas.</translation>
    </message>
    <message>
        <source>With --records, counts only the work orders of the work types TYPES (separated by commas, e.g. &quot;CM,EM&quot;) as failures, instead of the corrective and breakdown types guessed from the work-type column.</source>
        <translation>Avec --records, ne compte comme défaillances que les ordres de travail des types TYPES (séparés par des virgules, p. ex. «&#xa0;CM,EM&#xa0;»), au lieu des types correctifs et de dépannage devinés d’après la colonne du type d’ordre.</translation>
    </message>
    <message>
        <source>--installed takes a date such as 2024-03-01, not &quot;%1&quot;</source>
        <translation>--installed attend une date telle que 2024-03-01, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>With --records, checks the failures before the system was installed on DATE (2024-03-01) against those after it, beside the reduction the case assumes.</source>
        <translation>Avec --records, compare les défaillances avant l’installation du système le DATE (2024-03-01) à celles d’après, à côté de la réduction supposée.</translation>
    </message>
    <message>
        <source>--repeat-days takes a number of days from 0 to %1, not &quot;%2&quot;</source>
        <translation>--repeat-days attend un nombre de jours de 0 à %1, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>With --records, counts the failures from FROM to TO (2023-01-01:2024-12-31), the period the export covers, instead of from its first order to its last.</source>
        <translation>Avec --records, compte les défaillances de FROM à TO (2023-01-01:2024-12-31), la période que couvre l’export, au lieu de son premier ordre à son dernier.</translation>
    </message>
    <message>
        <source>With --records, counts orders on one asset within DAYS days of each other as one failure (7 unless given).</source>
        <translation>Avec --records, compte comme une seule défaillance les ordres d’un même équipement espacés d’au plus DAYS jours (7 sauf indication).</translation>
    </message>
    <message>
        <source>With --records, values the lost production of a failure over the export&apos;s mean downtime instead of the repair hours, where the export has downtime hours.</source>
        <translation>Avec --records, valorise la perte de production d’une défaillance sur l’arrêt moyen de l’export au lieu des heures de réparation, si l’export contient des heures d’arrêt.</translation>
    </message>
</context>
<context>
    <name>platform::ChartControl</name>
    <message>
        <source>negative figures not drawn</source>
        <translation>valeurs négatives non représentées</translation>
    </message>
</context>
</TS>
