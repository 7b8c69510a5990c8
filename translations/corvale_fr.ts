<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoxLabel</name>
    <message>
        <source>Dead time</source>
        <translation>Temps mort</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Load from step</source>
        <translation>Charge à partir du pas</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Bruit</translation>
    </message>
    <message>
        <source>Noise seed</source>
        <translation>Graine du bruit</translation>
    </message>
</context>
<context>
    <name>FailureMessage</name>
    <message>
        <source>“%1”</source>
        <comment>the text as typed, in the language&apos;s quotation marks</comment>
        <translation>«&#x202f;%1&#x202f;»</translation>
    </message>
    <message>
        <source>%1 is empty. Type a number there.</source>
        <translation>%1 est vide. Saisissez-y un nombre.</translation>
    </message>
    <message>
        <source>Loops: %1 is not a number.

Type how many steps to add, for example 100.</source>
        <translation>Loops&#xa0;: %1 n’est pas un nombre.

Saisissez le nombre de pas à ajouter, par exemple 100.</translation>
    </message>
    <message>
        <source>Loops: %1 is not a whole number.

Type how many steps to add, for example 100.</source>
        <translation>Loops&#xa0;: %1 n’est pas un nombre entier.

Saisissez le nombre de pas à ajouter, par exemple 100.</translation>
    </message>
    <message>
        <source>%1: %2 is out of range.

Numbers must lie between -%3 and %3.</source>
        <translation>%1&#xa0;: %2 est hors limites.

Les nombres doivent être compris entre -%3 et %3.</translation>
    </message>
    <message>
        <source>Loops: %1 asks for too many steps.

One run adds at most %2 rows: type at most %2 in Loops, and press Continue for more.</source>
        <translation>Loops&#xa0;: %1 dépasse le nombre maximal de pas.

Une simulation ajoute au plus %2 lignes&#xa0;: saisissez au plus %2 dans Loops, puis appuyez sur Continue pour poursuivre.</translation>
    </message>
    <message>
        <source>at most one decimal point</source>
        <comment>as in: Type digits with …</comment>
        <translation>au plus un point</translation>
    </message>
    <message>
        <source>at most one decimal comma</source>
        <comment>as in: Type digits with …</comment>
        <translation>au plus une virgule</translation>
    </message>
    <message>
        <source>at most one decimal separator “%1”</source>
        <comment>as in: Type digits with …</comment>
        <translation>au plus un séparateur décimal «&#x202f;%1&#x202f;»</translation>
    </message>
    <message>
        <source>%1: %2 is not a number.

Type digits with %3, an optional sign and an optional exponent, for example %4, -2 or %5.</source>
        <translation>%1&#xa0;: %2 n’est pas un nombre.

Saisissez des chiffres avec %3, éventuellement un signe et un exposant, par exemple %4&#x202f;; -2 ou %5.</translation>
    </message>
    <message>
        <source>Step %1 would go beyond the limit of %2 bytes of text per run.

Nothing was written for step %1; the rows before it stay. Press Continue for more. Compute clears the rows: copy the ones you want to keep first.</source>
        <translation>Le pas %1 ferait dépasser la limite de %2 octets de texte par simulation.

Rien n’a été écrit pour le pas %1&#x202f;; les lignes précédentes sont conservées. Appuyez sur Continue pour poursuivre. Compute efface les lignes&#xa0;: copiez d’abord celles que vous voulez garder.</translation>
    </message>
    <message>
        <source>Step %1 would go beyond the transcript&apos;s limit of %2 bytes of text.

Nothing was written for step %1; the rows before it stay. Copy the rows you want to keep, then press Compute to start afresh.</source>
        <translation>Avec le pas %1, le relevé dépasserait sa limite de %2 octets de texte.

Rien n’a été écrit pour le pas %1&#x202f;; les lignes précédentes sont conservées. Copiez les lignes que vous voulez garder, puis appuyez sur Compute pour recommencer.</translation>
    </message>
    <message>
        <source>The run from step %1 cannot be shown: there is not enough memory for the rows.

No row of this run was kept; type fewer steps in Loops.</source>
        <translation>La simulation à partir du pas %1 ne peut pas être affichée&#xa0;: la mémoire ne suffit pas pour les lignes.

Aucune ligne de cette simulation n’a été conservée&#x202f;; saisissez moins de pas dans Loops.</translation>
    </message>
    <message>
        <source>Step %3 cannot be computed: with %1 = %2, its result is too large to represent.

Nothing was changed. Type a number closer to %4 in %1.</source>
        <translation>Le pas %3 ne peut pas être calculé&#xa0;: avec %1 = %2, le résultat sort de la plage des nombres représentables.

Rien n’a été modifié. Saisissez dans %1 un nombre plus proche de %4.</translation>
    </message>
    <message>
        <source>Step %1 cannot be computed: with %2 = %3, its result is too large to represent.

Nothing was written for step %1; the rows before it stay. Type a number closer to %4 in %2.</source>
        <translation>Le pas %1 ne peut pas être calculé&#xa0;: avec %2 = %3, le résultat sort de la plage des nombres représentables.

Rien n’a été écrit pour le pas %1&#x202f;; les lignes précédentes sont conservées. Saisissez dans %2 un nombre plus proche de %4.</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number.

Type a whole number from %3 to %4.</source>
        <translation>%1 : %2 n’est pas un nombre entier.

Saisissez un nombre entier de %3 à %4.</translation>
    </message>
    <message>
        <source>%1: %2 is out of range.

Type a whole number from %3 to %4.</source>
        <translation>%1 : %2 est hors limites.

Saisissez un nombre entier de %3 à %4.</translation>
    </message>
    <message>
        <source>%1: %2 is below 0.

Type 0 or a number above it.</source>
        <translation>%1 : %2 est inférieur à 0.

Saisissez 0 ou un nombre plus grand.</translation>
    </message>
</context>
<context>
    <name>ResponseText</name>
    <message>
        <source>X at %1: step %2 only</source>
        <translation>Commande X en butée à %1&#xa0;: au pas %2 seulement</translation>
    </message>
    <message>
        <source>X at %1: %2 steps, from step %3 to step %4</source>
        <translation>Commande X en butée à %1&#xa0;: %2 pas, du pas %3 au pas %4</translation>
    </message>
    <message>
        <source>X at %1: %2 steps between step %3 and step %4, not all consecutive</source>
        <translation>Commande X en butée à %1&#xa0;: %2 pas entre le pas %3 et le pas %4, avec des interruptions</translation>
    </message>
    <message>
        <source>Fall time</source>
        <translation>Temps de descente</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Temps de montée</translation>
    </message>
    <message>
        <source>Step response at step %1: PV from %2 toward SP %3.</source>
        <translation>Réponse indicielle au pas %1&#xa0;: PV part de %2 vers SP %3.</translation>
    </message>
    <message>
        <source>Step response from step %1 to step %2: PV from %3 toward SP %4.</source>
        <translation>Réponse indicielle du pas %1 au pas %2&#xa0;: PV part de %3 vers SP %4.</translation>
    </message>
    <message>
        <source>Not settled: from step %1 on, PV still moves between %2 and %3.</source>
        <translation>Non stabilisé&#xa0;: à partir du pas %1, PV varie encore entre %2 et %3.</translation>
    </message>
    <message>
        <source>Steady-state error (SP − final PV): %1.</source>
        <translation>Erreur statique (SP − PV final)&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1; %2.</source>
        <comment>the clauses of X at 0 and X at 255</comment>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>the clause of X at one limit</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1: PV did not reach %2&#xa0;% of the change.</source>
        <translation>%1&#xa0;: PV n’a pas atteint %2&#xa0;% de la variation.</translation>
    </message>
    <message>
        <source>%1 (%2–%3&#xa0;% of the change): under one step, at step %4.</source>
        <translation>%1 (%2–%3&#xa0;% de la variation)&#xa0;: moins d’un pas, au pas %4.</translation>
    </message>
    <message>
        <source>%1 (%2–%3&#xa0;% of the change): %4 steps, from step %5 to step %6.</source>
        <translation>%1 (%2–%3&#xa0;% de la variation)&#xa0;: %4 pas, du pas %5 au pas %6.</translation>
    </message>
    <message>
        <source>Settling time (±%1&#xa0;% of the change): %2 steps, from step %3 to step %4.</source>
        <translation>Temps de réponse à ±%1&#xa0;% de la variation&#xa0;: %2 pas, du pas %3 au pas %4.</translation>
    </message>
    <message>
        <source>No step: SP changed by less than %1 from its previous value.</source>
        <translation>Aucun échelon&#xa0;: SP a varié de moins de %1 par rapport à sa valeur précédente.</translation>
    </message>
    <message>
        <source>No response to measure: PV stayed at %1.</source>
        <translation>Aucune réponse à mesurer&#xa0;: PV est resté à %1.</translation>
    </message>
    <message>
        <source>No change to measure: PV moved, but ended where it started, at %1.</source>
        <translation>Aucune variation à mesurer&#xa0;: PV a bougé, mais a fini là où il avait commencé, à %1.</translation>
    </message>
    <message>
        <source>Lowest point: PV %1 at step %2; overshoot %3&#xa0;% of the change, beyond the final value %4.</source>
        <translation>Minimum&#xa0;: PV %1 au pas %2&#x202f;; dépassement de %3&#xa0;% de la variation, mesuré par rapport à la valeur finale %4.</translation>
    </message>
    <message>
        <source>Peak: PV %1 at step %2; overshoot %3&#xa0;% of the change, beyond the final value %4.</source>
        <translation>Maximum&#xa0;: PV %1 au pas %2&#x202f;; dépassement de %3&#xa0;% de la variation, mesuré par rapport à la valeur finale %4.</translation>
    </message>
    <message>
        <source>X at %1 or %2: never.</source>
        <translation>Commande X en butée à %1 ou %2&#xa0;: jamais.</translation>
    </message>
    <message>
        <source>SP cannot be reached: with the plant&apos;s gain of one half and X at most %1, PV never passes %2.</source>
        <translation>SP est hors d’atteinte&#xa0;: le procédé divise X par deux et X vaut au plus %1, donc PV ne dépasse jamais %2.</translation>
    </message>
    <message>
        <source>SP cannot be reached: X is at least %1, so PV never falls below %1.</source>
        <translation>SP est hors d’atteinte&#xa0;: X vaut au moins %1, donc PV ne descend jamais sous %1.</translation>
    </message>
    <message>
        <source>%1 (%2–%3&#xa0;% of the change): one step, from step %4 to step %5.</source>
        <translation>%1 (%2–%3&#xa0;% de la variation)&#xa0;: un pas, du pas %4 au pas %5.</translation>
    </message>
    <message>
        <source>Settling time (±%1&#xa0;% of the change): none, PV is within the band from step %2 on.</source>
        <translation>Temps de réponse à ±%1&#xa0;% de la variation&#xa0;: nul, PV est dans la bande dès le pas %2.</translation>
    </message>
    <message>
        <source>Settling time (±%1&#xa0;% of the change): one step, from step %2 to step %3.</source>
        <translation>Temps de réponse à ±%1&#xa0;% de la variation&#xa0;: un pas, du pas %2 au pas %3.</translation>
    </message>
    <message>
        <source>SP cannot be reached: with X from %1 to %2, this plant&apos;s PV settles between %3 and %4.</source>
        <translation>SP est inaccessible&#xa0;: avec X de %1 à %2, la valeur PV de ce procédé se stabilise entre %3 et %4.</translation>
    </message>
    <message>
        <source>X at %1: step %2 only.</source>
        <translation>X en butée à %1&#xa0;: au pas %2 seulement.</translation>
    </message>
    <message>
        <source>X at %1: %2 steps, step %3 to %4.</source>
        <translation>X en butée à %1&#xa0;: %2 pas, du pas %3 au pas %4.</translation>
    </message>
    <message>
        <source>X at %1: %2 steps between step %3 and %4.</source>
        <translation>X en butée à %1&#xa0;: %2 pas entre le pas %3 et le pas %4.</translation>
    </message>
    <message>
        <source>%1: PV did not reach %2&#xa0;%.</source>
        <translation>%1&#xa0;: PV n’a pas atteint %2&#xa0;%.</translation>
    </message>
    <message>
        <source>%1: under one step, at step %2.</source>
        <translation>%1&#xa0;: moins d’un pas, au pas %2.</translation>
    </message>
    <message>
        <source>%1: one step, step %2 to %3.</source>
        <translation>%1&#xa0;: un pas, du pas %2 au pas %3.</translation>
    </message>
    <message>
        <source>%1: %2 steps, step %3 to %4.</source>
        <translation>%1&#xa0;: %2 pas, du pas %3 au pas %4.</translation>
    </message>
    <message>
        <source>Settling time: none, PV in the band from step %1 on.</source>
        <translation>Temps de réponse&#xa0;: nul, PV dans la bande dès le pas %1.</translation>
    </message>
    <message>
        <source>Settling time: one step, step %1 to %2.</source>
        <translation>Temps de réponse&#xa0;: un pas, du pas %1 au pas %2.</translation>
    </message>
    <message>
        <source>Settling time: %1 steps, step %2 to %3.</source>
        <translation>Temps de réponse&#xa0;: %1 pas, du pas %2 au pas %3.</translation>
    </message>
    <message>
        <source>No step: SP changed by less than %1.</source>
        <translation>Aucun échelon&#xa0;: SP a varié de moins de %1.</translation>
    </message>
    <message>
        <source>No response: PV stayed at %1.</source>
        <translation>Aucune réponse&#xa0;: PV est resté à %1.</translation>
    </message>
    <message>
        <source>No change: PV ended where it started, at %1.</source>
        <translation>Aucune variation&#xa0;: PV a fini là où il avait commencé, à %1.</translation>
    </message>
    <message>
        <source>Not settled: PV between %1 and %2 from step %3 on.</source>
        <translation>Non stabilisé&#xa0;: PV entre %1 et %2 à partir du pas %3.</translation>
    </message>
    <message>
        <source>Lowest point: %1 at step %2, overshoot %3&#xa0;%.</source>
        <translation>Minimum&#xa0;: %1 au pas %2, dépassement de %3&#xa0;%.</translation>
    </message>
    <message>
        <source>Peak: %1 at step %2, overshoot %3&#xa0;%.</source>
        <translation>Maximum&#xa0;: %1 au pas %2, dépassement de %3&#xa0;%.</translation>
    </message>
    <message>
        <source>SP out of reach: PV settles between %1 and %2.</source>
        <translation>SP hors d’atteinte&#xa0;: PV se stabilise entre %1 et %2.</translation>
    </message>
    <message>
        <source>SP out of reach: PV never passes %1.</source>
        <translation>SP hors d’atteinte&#xa0;: PV ne dépasse jamais %1.</translation>
    </message>
    <message>
        <source>SP out of reach: PV never falls below %1.</source>
        <translation>SP hors d’atteinte&#xa0;: PV ne descend jamais sous %1.</translation>
    </message>
    <message>
        <source>Steady-state error: %1.</source>
        <translation>Erreur statique&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>RunComparison</name>
    <message>
        <source>not reached</source>
        <translation>non atteint</translation>
    </message>
    <message>
        <source>no step</source>
        <translation>aucun échelon</translation>
    </message>
    <message>
        <source>not settled: PV %1 to %2</source>
        <translation>non stabilisé&#xa0;: PV de %1 à %2</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>The runs in the order they were computed; the last is the current one.</source>
        <translation>Les simulations dans l’ordre où elles ont été calculées&#x202f;; la dernière est la simulation en cours.</translation>
    </message>
    <message>
        <source>As the run&apos;s last Compute or Continue read it.</source>
        <translation>La valeur lue par le dernier Compute ou Continue de la simulation.</translation>
    </message>
    <message>
        <source>The run&apos;s steps, its Continues included.</source>
        <translation>Les pas de la simulation, Continue compris.</translation>
    </message>
    <message>
        <source>The first step from which PV stays within ±2&#xa0;% of the change.</source>
        <translation>Le premier pas à partir duquel PV reste dans la bande de ±2&#xa0;% de la variation.</translation>
    </message>
    <message>
        <source>How many steps X sat at this limit in the run&apos;s last step response.</source>
        <translation>Nombre de pas où X est resté en butée à cette limite dans la dernière réponse indicielle de la simulation.</translation>
    </message>
    <message>
        <source>settled from step %1 instead of step %2</source>
        <translation>stabilisé dès le pas %1 au lieu du pas %2</translation>
    </message>
    <message>
        <source>settled from step %1, where before it did not settle</source>
        <translation>stabilisé dès le pas %1, alors qu’auparavant PV ne se stabilisait pas</translation>
    </message>
    <message>
        <source>not settled, where before it settled from step %1</source>
        <translation>non stabilisé, alors qu’auparavant PV se stabilisait dès le pas %1</translation>
    </message>
    <message>
        <source>not settled, as before</source>
        <translation>non stabilisé, comme auparavant</translation>
    </message>
    <message>
        <source>overshoot %1&#xa0;% instead of %2&#xa0;%</source>
        <translation>dépassement de %1&#xa0;% au lieu de %2&#xa0;%</translation>
    </message>
    <message>
        <source>steady-state error %1 instead of %2</source>
        <translation>erreur statique de %1 au lieu de %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>two clauses of the comparison with the run before</comment>
        <translation>%1&#x202f;; %2</translation>
    </message>
    <message>
        <source>Compared with the run before: %1.</source>
        <translation>Par rapport à la simulation précédente&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1, current</source>
        <translation>%1, en cours</translation>
    </message>
    <message>
        <source>under 1</source>
        <translation>moins de 1</translation>
    </message>
    <message>
        <source>Settling</source>
        <translation>Temps de rép.</translation>
    </message>
    <message>
        <source>Settled at</source>
        <translation>Stabilisé dès</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>X at 0</source>
        <translation>X en butée à 0</translation>
    </message>
    <message>
        <source>X at 255</source>
        <translation>X en butée à 255</translation>
    </message>
    <message>
        <source>Rise or fall time: the steps from 10&#xa0;% to 90&#xa0;% of the change, in the run&apos;s last step response.</source>
        <translation>Temps de montée ou de descente&#xa0;: pas de 10&#xa0;% à 90&#xa0;% de la variation, dans la dernière réponse indicielle de la simulation.</translation>
    </message>
    <message>
        <source>Peak or lowest point: PV farthest in the direction of the change.</source>
        <translation>Maximum ou minimum&#xa0;: la valeur de PV la plus éloignée dans le sens de la variation.</translation>
    </message>
    <message>
        <source>Settling time: the steps from the start of the step response until PV stays within ±2&#xa0;% of the change around its final value.</source>
        <translation>Temps de réponse&#xa0;: pas depuis le début de la réponse indicielle jusqu’à ce que PV reste dans la bande de ±2&#xa0;% de la variation autour de sa valeur finale.</translation>
    </message>
    <message>
        <source>Steady-state error: SP − final PV, once PV has settled.</source>
        <translation>Erreur statique&#xa0;: SP − PV final, une fois PV stabilisé.</translation>
    </message>
    <message>
        <source>no response</source>
        <translation>aucune réponse</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>aucune variation</translation>
    </message>
    <message>
        <source>Overshoot&#xa0;%</source>
        <translation>Dépass.&#xa0;%</translation>
    </message>
    <message>
        <source>How far PV went past the final value, in percent of the change.</source>
        <translation>De combien PV a dépassé la valeur finale, en pourcentage de la variation.</translation>
    </message>
    <message>
        <source>%1 %2 instead of %3</source>
        <translation>%1 %2 au lieu de %3</translation>
    </message>
    <message>
        <source>the same gains and SP</source>
        <translation>mêmes gains et même consigne SP</translation>
    </message>
    <message>
        <source>under 1 step</source>
        <translation>moins d’un pas</translation>
    </message>
    <message>
        <source>fall time %1 instead of %2</source>
        <translation>temps de descente de %1 au lieu de %2</translation>
    </message>
    <message>
        <source>rise time %1 instead of %2</source>
        <translation>temps de montée de %1 au lieu de %2</translation>
    </message>
    <message>
        <source>the same figures</source>
        <translation>mêmes caractéristiques</translation>
    </message>
    <message>
        <source>1 step</source>
        <translation>1 pas</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 pas</translation>
    </message>
    <message>
        <source>Rise time under 1 step</source>
        <translation>Temps de montée&#xa0;: moins d’un pas</translation>
    </message>
    <message>
        <source>Rise time %1</source>
        <translation>Temps de montée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Peak %1</source>
        <translation>Maximum&#xa0;: %1</translation>
    </message>
    <message>
        <source>Overshoot %1&#xa0;%</source>
        <translation>Dépassement&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Settling time %1</source>
        <translation>Temps de réponse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Settled from step %1</source>
        <translation>Stabilisé dès le pas %1</translation>
    </message>
    <message>
        <source>Steady-state error %1</source>
        <translation>Erreur statique&#xa0;: %1</translation>
    </message>
    <message>
        <source>X at 0 for %1</source>
        <translation>X en butée à 0 pendant %1</translation>
    </message>
    <message>
        <source>X at 255 for %1</source>
        <translation>X en butée à 255 pendant %1</translation>
    </message>
    <message>
        <source>Steps run</source>
        <translation>Nombre de pas</translation>
    </message>
    <message>
        <source>Rise time in steps</source>
        <translation>Temps de montée en pas</translation>
    </message>
    <message>
        <source>Peak of PV</source>
        <translation>Maximum de PV</translation>
    </message>
    <message>
        <source>Overshoot in percent</source>
        <translation>Dépassement en pourcentage</translation>
    </message>
    <message>
        <source>Settling time in steps</source>
        <translation>Temps de réponse en pas</translation>
    </message>
    <message>
        <source>Settled from step</source>
        <translation>Stabilisé dès le pas</translation>
    </message>
    <message>
        <source>Steady-state error</source>
        <translation>Erreur statique</translation>
    </message>
    <message>
        <source>Steps X sat at 0</source>
        <translation>Pas avec X en butée à 0</translation>
    </message>
    <message>
        <source>Steps X sat at 255</source>
        <translation>Pas avec X en butée à 255</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune valeur</translation>
    </message>
    <message>
        <source>%1: none</source>
        <translation>%1&#xa0;: aucune valeur</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Simulation %1</translation>
    </message>
    <message>
        <source>Settling time: %1</source>
        <translation>Temps de réponse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Rise time: %1</source>
        <translation>Temps de montée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Dead time</source>
        <translation>Temps mort</translation>
    </message>
    <message>
        <source>Anti-windup</source>
        <translation>Anti-emballement</translation>
    </message>
    <message>
        <source>D on</source>
        <translation>D sur</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Load from step</source>
        <translation>Charge dès le pas</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Bruit</translation>
    </message>
    <message>
        <source>Noise seed</source>
        <translation>Graine du bruit</translation>
    </message>
    <message>
        <source>Dead time %1</source>
        <translation>Temps mort %1</translation>
    </message>
    <message>
        <source>Load from step %1</source>
        <translation>Charge dès le pas %1</translation>
    </message>
    <message>
        <source>Plant gain K</source>
        <translation>Gain du procédé K</translation>
    </message>
    <message>
        <source>First lag T1 in steps</source>
        <translation>Premier retard T1 en pas</translation>
    </message>
    <message>
        <source>Second lag T2 in steps</source>
        <translation>Second retard T2 en pas</translation>
    </message>
    <message>
        <source>Dead time in steps</source>
        <translation>Temps mort en pas</translation>
    </message>
    <message>
        <source>Tracking gain Kb</source>
        <translation>Gain de poursuite Kb</translation>
    </message>
    <message>
        <source>D acts on</source>
        <translation>D agit sur</translation>
    </message>
    <message>
        <source>Anti-windup: %1</source>
        <translation>Anti-emballement&#xa0;: %1</translation>
    </message>
    <message>
        <source>D on %1</source>
        <translation>D sur %1</translation>
    </message>
    <message>
        <source>PV</source>
        <comment>D acts on</comment>
        <translation>PV</translation>
    </message>
    <message>
        <source>error</source>
        <comment>D acts on</comment>
        <translation>erreur</translation>
    </message>
    <message>
        <source>The plant&apos;s gain: PV settles at K times its input.</source>
        <translation>Le gain du procédé&#xa0;: PV se stabilise à K fois son entrée.</translation>
    </message>
    <message>
        <source>The time constant of the plant&apos;s lag, in steps; 0 for none.</source>
        <translation>La constante de temps du retard du procédé, en pas&#x202f;; 0 pour aucun.</translation>
    </message>
    <message>
        <source>Steps the plant waits before its input takes effect.</source>
        <translation>Les pas que le procédé attend avant que son entrée agisse.</translation>
    </message>
    <message>
        <source>What kept I from winding up while X was held at 0 or 255.</source>
        <translation>Ce qui empêchait I de s’emballer tant que X était tenu à 0 ou 255.</translation>
    </message>
    <message>
        <source>Back-calculation&apos;s tracking gain; a dash for the other runs.</source>
        <translation>Le gain de poursuite du calcul inverse&#x202f;; un tiret pour les autres simulations.</translation>
    </message>
    <message>
        <source>Whether D acted on PV&apos;s change or on the error&apos;s.</source>
        <translation>Si D agissait sur la variation de PV ou sur celle de l’erreur.</translation>
    </message>
    <message>
        <source>A load added to the plant&apos;s input.</source>
        <translation>Une charge ajoutée à l’entrée du procédé.</translation>
    </message>
    <message>
        <source>The step the load began at; a dash where there was none.</source>
        <translation>Le pas où la charge commençait&#x202f;; un tiret là où il n’y en avait pas.</translation>
    </message>
    <message>
        <source>The noise, up to this much either way, on the PV read.</source>
        <translation>Le bruit sur la PV lue, d’au plus cette valeur dans un sens ou dans l’autre.</translation>
    </message>
    <message>
        <source>The seed the noise was drawn from; a dash where there was none.</source>
        <translation>La graine dont le bruit était tiré&#x202f;; un tiret là où il n’y en avait pas.</translation>
    </message>
    <message>
        <source>As the run&apos;s last Compute or Continue read it; shown while some run differs from another in it.</source>
        <translation>Tel que l’a lu le dernier Compute ou Continue de la simulation&#x202f;; affiché tant qu’une simulation en diffère d’une autre.</translation>
    </message>
    <message>
        <source>Rise or fall</source>
        <translation>Montée ou descente</translation>
    </message>
    <message>
        <source>Peak or lowest</source>
        <translation>Pic ou minimum</translation>
    </message>
    <message>
        <source>Run %1 of %2, current</source>
        <translation>Simulation %1 sur %2, en cours</translation>
    </message>
    <message>
        <source>Run %1 of %2</source>
        <translation>Simulation %1 sur %2</translation>
    </message>
    <message>
        <source>No run to copy.</source>
        <translation>Aucune simulation à copier.</translation>
    </message>
    <message>
        <source>Copied 1 run.</source>
        <translation>1 simulation copiée.</translation>
    </message>
    <message>
        <source>Copied %1 runs.</source>
        <translation>%1 simulations copiées.</translation>
    </message>
    <message>
        <source>No run to forget.</source>
        <translation>Aucune simulation à supprimer.</translation>
    </message>
    <message>
        <source>The current run stays, as the transcript shows it: Delete forgets earlier runs.</source>
        <translation>La simulation en cours reste, car le relevé la montre&#xa0;: Suppr supprime les simulations précédentes.</translation>
    </message>
    <message>
        <source>Run %1 forgotten.</source>
        <translation>Simulation %1 supprimée.</translation>
    </message>
    <message>
        <source>%1 runs forgotten.</source>
        <translation>%1 simulations supprimées.</translation>
    </message>
    <message>
        <source>First run.</source>
        <translation>Première simulation.</translation>
    </message>
    <message>
        <source>Last run.</source>
        <translation>Dernière simulation.</translation>
    </message>
    <message>
        <source>Runs compared menu</source>
        <translation>Menu des simulations comparées</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Temps de montée</translation>
    </message>
    <message>
        <source>Settling time</source>
        <translation>Temps de réponse</translation>
    </message>
    <message>
        <source>Overshoot</source>
        <translation>Dépassement</translation>
    </message>
    <message>
        <source>in the order they ran</source>
        <translation>dans l’ordre où elles ont été faites</translation>
    </message>
    <message>
        <source>latest first</source>
        <translation>la plus tardive d’abord</translation>
    </message>
    <message>
        <source>shortest first</source>
        <translation>le plus court d’abord</translation>
    </message>
    <message>
        <source>longest first</source>
        <translation>le plus long d’abord</translation>
    </message>
    <message>
        <source>earliest first</source>
        <translation>le plus tôt d’abord</translation>
    </message>
    <message>
        <source>in alphabetical order</source>
        <translation>par ordre alphabétique</translation>
    </message>
    <message>
        <source>in reverse alphabetical order</source>
        <translation>par ordre alphabétique inverse</translation>
    </message>
    <message>
        <source>smallest first</source>
        <translation>la plus petite valeur d’abord</translation>
    </message>
    <message>
        <source>largest first</source>
        <translation>la plus grande valeur d’abord</translation>
    </message>
    <message>
        <source>Sorted by %1, %2</source>
        <translation>Trié par %1, %2</translation>
    </message>
    <message>
        <source>Now on run %1 of %2.</source>
        <translation>Vous êtes sur la simulation %1 sur %2.</translation>
    </message>
    <message>
        <source>No run selected.</source>
        <translation>Aucune simulation sélectionnée.</translation>
    </message>
    <message>
        <source>Run %1 selected.</source>
        <translation>Simulation %1 sélectionnée.</translation>
    </message>
    <message>
        <source>All %1 runs selected.</source>
        <translation>Les %1 simulations sont sélectionnées.</translation>
    </message>
    <message>
        <source>Runs %1 to %2 selected.</source>
        <translation>Simulations %1 à %2 sélectionnées.</translation>
    </message>
    <message>
        <source>%1 runs selected.</source>
        <translation>%1 simulations sélectionnées.</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>sorted by …: the run first, its value</comment>
        <translation>%1 : %2, %3</translation>
    </message>
    <message>
        <source>%1; the next run alike.</source>
        <translation>%1 ; la simulation suivante de même.</translation>
    </message>
    <message>
        <source>%1; the next %2 runs alike.</source>
        <translation>%1 ; les %2 simulations suivantes de même.</translation>
    </message>
</context>
<context>
    <name>RunNames</name>
    <message>
        <source>Load %1</source>
        <translation>Charge %1</translation>
    </message>
    <message>
        <source>Load %1 from step %2</source>
        <translation>Charge %1 dès le pas %2</translation>
    </message>
    <message>
        <source>Noise %1</source>
        <translation>Bruit %1</translation>
    </message>
    <message>
        <source>Noise %1, seed %2</source>
        <translation>Bruit %1, graine %2</translation>
    </message>
    <message>
        <source>Anti-windup: conditional</source>
        <translation>Anti-emballement&#xa0;: conditionnel</translation>
    </message>
    <message>
        <source>Anti-windup: back-calculation</source>
        <translation>Anti-emballement&#xa0;: calcul inverse</translation>
    </message>
    <message>
        <source>Anti-windup: none</source>
        <translation>Anti-emballement&#xa0;: aucun</translation>
    </message>
    <message>
        <source>Dead time %1</source>
        <translation>Temps mort %1</translation>
    </message>
    <message>
        <source>D on PV</source>
        <translation>D sur PV</translation>
    </message>
    <message>
        <source>D on error</source>
        <translation>D sur erreur</translation>
    </message>
    <message>
        <source>conditional</source>
        <comment>anti-windup</comment>
        <translation>conditionnel</translation>
    </message>
    <message>
        <source>back-calculation</source>
        <comment>anti-windup</comment>
        <translation>calcul inverse</translation>
    </message>
    <message>
        <source>none</source>
        <comment>anti-windup</comment>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>corvale::Form1</name>
    <message>
        <source>How many steps one press of Compute or Continue adds: a whole number, at most %1.</source>
        <translation>Nombre de pas qu’ajoute un appui sur Compute ou Continue&#xa0;: un nombre entier, au plus %1.</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Relevé</translation>
    </message>
    <message>
        <source>Type a number, for example “2”, “%1” or “1%2e3”.</source>
        <translation>Saisissez un nombre, par exemple «&#x202f;2&#x202f;», «&#x202f;%1&#x202f;» ou «&#x202f;1%2e3&#x202f;».</translation>
    </message>
    <message>
        <source>Set point: the value that PV, the process value, should reach.
</source>
        <translation>Consigne&#xa0;: la valeur que PV, la valeur mesurée, doit atteindre.
</translation>
    </message>
    <message>
        <source>One row per step. X: the plant&apos;s input, the controller&apos;s output from the step before, limited to %1–%2.
PV: the process value, the plant&apos;s output (half of X on the original plant).  Error: SP − PV.  P, I, D: the controller&apos;s three terms.
The switch under the table shows the run as a chart, or the runs compared; a larger window shows the chart beside the boxes, and the runs compared too where it has room.
Ctrl+plus and Ctrl+minus, or Ctrl with the mouse wheel, make the window larger or smaller; Ctrl+0 restores its original size.</source>
        <translation>Une ligne par pas. X&#xa0;: l’entrée du procédé, la commande du régulateur au pas précédent, limitée de %1 à %2.
PV&#xa0;: la valeur mesurée, la sortie du procédé (la moitié de X pour le procédé d’origine).  Error&#xa0;: l’erreur SP − PV.  P, I, D&#xa0;: les trois termes du régulateur.
Le sélecteur sous le tableau montre la simulation en graphique, ou les simulations comparées&#x202f;; dans une fenêtre plus grande, le graphique se place à côté des champs, et les simulations comparées aussi s’il reste de la place.
Ctrl+plus et Ctrl+moins, ou Ctrl avec la molette de la souris, agrandissent ou réduisent la fenêtre&#x202f;; Ctrl+0 lui rend sa taille d’origine.</translation>
    </message>
    <message>
        <source>No rows yet: Compute fills the table, one row per step.</source>
        <translation>Aucune ligne pour l’instant&#xa0;: Compute remplit le tableau, une ligne par pas.</translation>
    </message>
    <message>
        <source>Zoom %1&#xa0;%, as large as it goes.</source>
        <translation>Zoom %1&#xa0;%, pas plus grand.</translation>
    </message>
    <message>
        <source>Zoom %1&#xa0;%, as small as it goes.</source>
        <translation>Zoom %1&#xa0;%, pas plus petit.</translation>
    </message>
    <message>
        <source>Zoom %1&#xa0;%.</source>
        <translation>Zoom %1&#xa0;%.</translation>
    </message>
    <message>
        <source>No steps run: the table is empty.</source>
        <translation>Aucun pas calculé&#xa0;: le tableau est vide.</translation>
    </message>
    <message>
        <source>No steps run.</source>
        <translation>Aucun pas calculé.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a combo box&apos;s choice, then what it does</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Proportional gain: P = Kp × Error. P pushes X in proportion to the error of this step: the further PV is from SP, the harder it pushes.
</source>
        <translation>Gain proportionnel&#xa0;: P = Kp × Error. P agit sur X en proportion de l’erreur de ce pas&#xa0;: plus PV est loin de SP, plus il agit fort.
</translation>
    </message>
    <message>
        <source>Proportional gain.</source>
        <translation>Gain proportionnel.</translation>
    </message>
    <message>
        <source>Integral gain: I = Ki × the sum of the errors. I pushes X by the errors of every step so far, added up: it changes for as long as an error is left.
</source>
        <translation>Gain intégral&#xa0;: I = Ki × somme des erreurs. I agit sur X selon les erreurs de tous les pas jusqu’ici, additionnées&#xa0;: il change tant qu’il reste une erreur.
</translation>
    </message>
    <message>
        <source>Integral gain.</source>
        <translation>Gain intégral.</translation>
    </message>
    <message>
        <source>Derivative gain: D = Kd × the change in the error from the step before. D answers how fast the error changes, not how large it is.
</source>
        <translation>Gain dérivé&#xa0;: D = Kd × variation de l’erreur depuis le pas précédent. D répond à la vitesse à laquelle l’erreur change, non à sa taille.
</translation>
    </message>
    <message>
        <source>Derivative gain.</source>
        <translation>Gain dérivé.</translation>
    </message>
    <message>
        <source>Set point.</source>
        <translation>Consigne.</translation>
    </message>
    <message>
        <source>Steps a run adds.</source>
        <translation>Pas qu’ajoute un calcul.</translation>
    </message>
    <message>
        <source>Start afresh: clear the transcript and run Loops steps from step 1.
The run before stays in the chart and among the runs compared.
Ctrl+Enter presses it from anywhere in the window.</source>
        <translation>Recommencer&#xa0;: vider le relevé et calculer Loops pas à partir du pas 1.
La simulation précédente reste dans le graphique et parmi les simulations comparées.
Ctrl+Entrée appuie sur ce bouton de n’importe où dans la fenêtre.</translation>
    </message>
    <message>
        <source>Starts afresh from step 1.</source>
        <translation>Recommence au pas 1.</translation>
    </message>
    <message>
        <source>Carry on from the last step for Loops more steps, with the gains and SP as they stand now.
The sum of the errors in I carries on; D starts afresh, so the first of these steps has D = Kd × Error.
Ctrl+Shift+Enter presses it from anywhere in the window.</source>
        <translation>Poursuivre&#xa0;: calculer Loops pas de plus à partir du dernier pas, avec les gains et la consigne SP tels qu’ils sont saisis.
La somme des erreurs du terme I se poursuit&#x202f;; seul le terme D repart à neuf&#xa0;: au premier de ces pas, D = Kd × Error.
Ctrl+Maj+Entrée appuie sur ce bouton de n’importe où dans la fenêtre.</translation>
    </message>
    <message>
        <source>Carries on from the last step.</source>
        <translation>Poursuit depuis le dernier pas.</translation>
    </message>
    <message>
        <source>Not stepped: too many digits.</source>
        <translation>Non modifié : trop de chiffres.</translation>
    </message>
    <message>
        <source>Not stepped: the box holds no plain number.</source>
        <translation>Non modifié : le champ ne contient pas un nombre simple.</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <comment>a box&apos;s label, its value, what its run changed</comment>
        <translation>%1 %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>corvale::LoopPage</name>
    <message>
        <source>The plant&apos;s gain: PV settles at K times its input.</source>
        <translation>Le gain du procédé : PV se stabilise à K fois son entrée.</translation>
    </message>
    <message>
        <source>The first lag&apos;s time constant, in steps; 0 for none.</source>
        <translation>La constante de temps du premier retard, en pas ; 0 pour aucun.</translation>
    </message>
    <message>
        <source>The second lag&apos;s time constant, in steps; 0 for none.</source>
        <translation>La constante de temps du second retard, en pas ; 0 pour aucun.</translation>
    </message>
    <message>
        <source>Steps the plant waits before its input takes effect.</source>
        <translation>Les pas que le procédé attend avant que son entrée agisse.</translation>
    </message>
    <message>
        <source>How fast back-calculation pulls the sum of the errors back.</source>
        <translation>La vitesse à laquelle le calcul inverse ramène la somme des erreurs.</translation>
    </message>
    <message>
        <source>A load added to the plant&apos;s input, from its step on.</source>
        <translation>Une charge ajoutée à l’entrée du procédé, à partir de son pas.</translation>
    </message>
    <message>
        <source>The step the load begins at.</source>
        <translation>Le pas où la charge commence.</translation>
    </message>
    <message>
        <source>The controller reads PV with a noise of up to this much either way.</source>
        <translation>Le régulateur lit PV avec un bruit d’au plus cette valeur dans un sens ou dans l’autre.</translation>
    </message>
    <message>
        <source>The same seed gives the same noise.</source>
        <translation>La même graine donne le même bruit.</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Procédé</translation>
    </message>
    <message>
        <source>A plant by name; it sets K, T1, T2 and the dead time.</source>
        <translation>Un procédé par son nom ; il règle K, T1, T2 et le temps mort.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Régulateur</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Conditional integration</source>
        <translation>Intégration conditionnelle</translation>
    </message>
    <message>
        <source>Back-calculation</source>
        <translation>Calcul inverse</translation>
    </message>
    <message>
        <source>What keeps I from winding up while X is held at 0 or 255.</source>
        <translation>Ce qui empêche I de s’emballer tant que X est tenu à 0 ou 255.</translation>
    </message>
    <message>
        <source>Anti-windup</source>
        <translation>Anti-emballement</translation>
    </message>
    <message>
        <source>D on PV</source>
        <translation>D sur PV</translation>
    </message>
    <message>
        <source>D acts on PV&apos;s change, not the error&apos;s: no kick when SP changes.</source>
        <translation>D agit sur la variation de PV, non sur celle de l’erreur : pas d’à-coup quand SP change.</translation>
    </message>
    <message>
        <source>Disturbances</source>
        <translation>Perturbations</translation>
    </message>
    <message>
        <source>Own values</source>
        <translation>Valeurs personnalisées</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Anti-windup: %1.</source>
        <translation>Anti-emballement&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The original loop</source>
        <translation>La boucle d’origine</translation>
    </message>
    <message>
        <source>First-order lag with dead time</source>
        <translation>Retard du premier ordre avec temps mort</translation>
    </message>
    <message>
        <source>Two lags</source>
        <translation>Deux retards</translation>
    </message>
</context>
<context>
    <name>corvale::ResponseChart</name>
    <message>
        <source>Step response</source>
        <translation>Réponse indicielle</translation>
    </message>
    <message>
        <source>Step %1: PV %2, SP %3, X %4</source>
        <translation>Pas %1&#xa0;: PV %2, SP %3, X %4</translation>
    </message>
    <message>
        <source>PV</source>
        <translation>PV</translation>
    </message>
    <message>
        <source>SP</source>
        <translation>SP</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>X at 0 or 255</source>
        <translation>X en butée à 0 ou 255</translation>
    </message>
    <message>
        <source>rise</source>
        <translation>montée</translation>
    </message>
    <message>
        <source>settled</source>
        <translation>stabilisé</translation>
    </message>
    <message>
        <source>peak</source>
        <translation>maximum</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>PV, SP</source>
        <translation>PV, SP</translation>
    </message>
    <message>
        <source>settled from here</source>
        <translation>stabilisé à partir d’ici</translation>
    </message>
    <message>
        <source>fall</source>
        <translation>descente</translation>
    </message>
    <message>
        <source>lowest point</source>
        <translation>minimum</translation>
    </message>
    <message>
        <source>More in the tooltip.</source>
        <translation>La suite dans l’infobulle.</translation>
    </message>
    <message>
        <source>Copy chart</source>
        <translation>Copier le graphique</translation>
    </message>
    <message>
        <source>Copy figures</source>
        <translation>Copier les caractéristiques</translation>
    </message>
    <message>
        <source>Forget earlier runs</source>
        <translation>Supprimer les simulations précédentes</translation>
    </message>
    <message>
        <source>fall from here (past %1&#xa0;% of the change)</source>
        <translation>descente à partir d’ici (au-delà de %1&#xa0;% de la variation)</translation>
    </message>
    <message>
        <source>rise from here (past %1&#xa0;% of the change)</source>
        <translation>montée à partir d’ici (au-delà de %1&#xa0;% de la variation)</translation>
    </message>
    <message>
        <source>fall to here (past %1&#xa0;% of the change)</source>
        <translation>descente jusqu’ici (au-delà de %1&#xa0;% de la variation)</translation>
    </message>
    <message>
        <source>rise to here (past %1&#xa0;% of the change)</source>
        <translation>montée jusqu’ici (au-delà de %1&#xa0;% de la variation)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a step&apos;s values; what the chart marks at it</comment>
        <translation>%1&#x202f;; %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>two of the marks at one step</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Rows shown in the table</source>
        <translation>Lignes affichées dans le tableau</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Tone at each step</source>
        <translation>Son à chaque pas</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>PV of run %1</source>
        <translation>PV de la simulation %1</translation>
    </message>
    <message>
        <source>Step %1: %2 has no value here</source>
        <translation>Pas %1&#xa0;: %2 n’a pas de valeur ici</translation>
    </message>
    <message>
        <source>Step %1: %2 %3</source>
        <translation>Pas %1&#xa0;: %2 %3</translation>
    </message>
    <message>
        <source>X reaches its limit %1</source>
        <translation>X arrive en butée à %1</translation>
    </message>
    <message>
        <source>X leaves its limit %1</source>
        <translation>X quitte la butée à %1</translation>
    </message>
    <message>
        <source>SP changes to %1</source>
        <translation>SP passe à %1</translation>
    </message>
    <message>
        <source>PV crosses SP</source>
        <translation>PV croise SP</translation>
    </message>
    <message>
        <source>X at its limit %1</source>
        <translation>X en butée à %1</translation>
    </message>
    <message>
        <source>There is no sound output.</source>
        <translation>Il n’y a pas de sortie son.</translation>
    </message>
    <message>
        <source>The figures are in the tooltip.</source>
        <translation>Les caractéristiques sont dans l’infobulle.</translation>
    </message>
    <message>
        <source>This run has no marks.</source>
        <translation>Cette simulation n’a aucune marque.</translation>
    </message>
    <message>
        <source>No mark after this step.</source>
        <translation>Aucune marque après ce pas.</translation>
    </message>
    <message>
        <source>No mark before this step.</source>
        <translation>Aucune marque avant ce pas.</translation>
    </message>
    <message>
        <source>PV does not cross SP.</source>
        <translation>PV ne croise pas SP.</translation>
    </message>
    <message>
        <source>No crossing of SP after this step.</source>
        <translation>PV ne croise plus SP après ce pas.</translation>
    </message>
    <message>
        <source>No crossing of SP before this step.</source>
        <translation>PV ne croise pas SP avant ce pas.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: no figures.</source>
        <translation>%1&#xa0;: aucune caractéristique.</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 de %2 à %3</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Mark the rows shown in the table</source>
        <translation>Marquer les lignes affichées dans le tableau</translation>
    </message>
    <message>
        <source>PV, %1</source>
        <comment>the current run&apos;s PV and its name</comment>
        <translation>PV, %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a kept run&apos;s PV, then its name</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Show the whole run</source>
        <translation>Afficher toute la simulation</translation>
    </message>
    <message>
        <source>Steps 1 to %1: the whole run.</source>
        <translation>Pas 1 à %1&#xa0;: toute la simulation.</translation>
    </message>
    <message>
        <source>Steps %1 to %2 of %3.</source>
        <translation>Pas %1 à %2 sur %3.</translation>
    </message>
    <message>
        <source>Draw in a panel of its own</source>
        <translation>Tracer dans un panneau à part</translation>
    </message>
    <message>
        <source>Choose Error, P, I or D with Up and Down, then T draws it in a panel.</source>
        <translation>Choisissez Erreur, P, I ou D avec Haut et Bas&#x202f;; T le trace alors dans un panneau.</translation>
    </message>
    <message>
        <source>%1 drawn in a panel of its own.</source>
        <translation>%1 tracé dans un panneau à part.</translation>
    </message>
    <message>
        <source>%1&apos;s panel hidden.</source>
        <translation>Panneau de %1 masqué.</translation>
    </message>
    <message>
        <source>load %1</source>
        <comment>the load on the plant&apos;s input from here</comment>
        <translation>charge %1</translation>
    </message>
    <message>
        <source>PV without the noise</source>
        <translation>PV sans le bruit</translation>
    </message>
    <message>
        <source>the load on the plant&apos;s input becomes %1</source>
        <translation>la charge à l’entrée du procédé devient %1</translation>
    </message>
    <message>
        <source>Value axis covers every run</source>
        <translation>L’axe des valeurs couvre toutes les simulations</translation>
    </message>
    <message>
        <source>%1 above</source>
        <comment>an earlier run, named as the legend names it, lies above the value axis</comment>
        <translation>%1 au-dessus</translation>
    </message>
    <message>
        <source>%1 below</source>
        <comment>an earlier run, named as the legend names it, lies below the value axis</comment>
        <translation>%1 en dessous</translation>
    </message>
    <message>
        <source>The earlier run %1 goes off the axis above and below: its line is cut at the panel&apos;s top and foot.</source>
        <translation>La simulation précédente %1 sort de l’axe par le haut et par le bas&#xa0;: sa courbe est coupée en haut et en bas du panneau.</translation>
    </message>
    <message>
        <source>The earlier run %1 goes off the axis above: its line is cut at the panel&apos;s top.</source>
        <translation>La simulation précédente %1 sort de l’axe par le haut&#xa0;: sa courbe est coupée en haut du panneau.</translation>
    </message>
    <message>
        <source>The earlier run %1 goes off the axis below: its line is cut at the panel&apos;s foot.</source>
        <translation>La simulation précédente %1 sort de l’axe par le bas&#xa0;: sa courbe est coupée en bas du panneau.</translation>
    </message>
    <message>
        <source>Value axis covers every run, in the chart&apos;s menu, draws every run whole.</source>
        <comment>the menu item&apos;s text, then what it does</comment>
        <translation>L’axe des valeurs couvre toutes les simulations, dans le menu du graphique, trace chaque simulation en entier.</translation>
    </message>
    <message>
        <source>Keys: Left and Right, a step; Page Up and Page Down, a tenth of the run; Home and End, its ends; Up and Down, the series; N and Shift+N, the next and the previous mark; C and Shift+C, the next and the previous crossing of SP; plus and minus, zoom the steps in and out; Shift+Left and Shift+Right, or the brackets, move along them; 0, the whole run; F, the figures; T, draw the chosen term in a panel of its own or hide it; P, play the series as sound; Escape, stop it; Ctrl+Enter, Compute; Ctrl+Shift+Enter, Continue.</source>
        <translation>Touches&#xa0;: Gauche et Droite, un pas&#x202f;; Page précédente et Page suivante, un dixième de la simulation&#x202f;; Début et Fin, ses extrémités&#x202f;; Haut et Bas, la série&#x202f;; N et Maj+N, la marque suivante ou précédente&#x202f;; C et Maj+C, le croisement de SP suivant ou précédent&#x202f;; plus et moins, agrandir et réduire les pas&#x202f;; Maj+Gauche et Maj+Droite, ou les crochets, les parcourir&#x202f;; 0, toute la simulation&#x202f;; F, les caractéristiques&#x202f;; T, tracer le terme choisi dans un panneau à part ou le masquer&#x202f;; P, faire entendre la série&#x202f;; Échap, l’arrêter&#x202f;; Ctrl+Entrée, Compute&#x202f;; Ctrl+Maj+Entrée, Continue.</translation>
    </message>
    <message>
        <source>SP %1 sounds first, then softly alongside.</source>
        <translation>SP %1 se fait entendre d’abord, puis doucement à côté.</translation>
    </message>
    <message>
        <source>to %1 at step %2</source>
        <comment>SP changes to a value at a step</comment>
        <translation>à %1 au pas %2</translation>
    </message>
    <message numerus="yes">
        <source>SP %1 sounds first, then softly alongside, changing %n times, first %2.</source>
        <translation>
            <numerusform>SP %1 se fait entendre d’abord, puis doucement à côté, et change %n fois, d’abord %2.</numerusform>
            <numerusform>SP %1 se fait entendre d’abord, puis doucement à côté, et change %n fois, d’abord %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>changes of SP one after the other</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>SP %1 sounds first, then softly alongside, changing %2.</source>
        <translation>SP %1 se fait entendre d’abord, puis doucement à côté, et passe %2.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a series&apos; range; the SP it sounds against</comment>
        <translation>%1&#x202f;; %2</translation>
    </message>
    <message>
        <source>No series before %1.</source>
        <translation>Aucune série avant %1.</translation>
    </message>
    <message>
        <source>No series after %1.</source>
        <translation>Aucune série après %1.</translation>
    </message>
    <message>
        <source>Crossings of SP are marked on PV.</source>
        <translation>Les croisements de SP sont marqués sur PV.</translation>
    </message>
    <message>
        <source>No marks on %1.</source>
        <translation>Aucune marque sur %1.</translation>
    </message>
</context>
<context>
    <name>corvale::RunComparisonView</name>
    <message>
        <source>Runs compared</source>
        <translation>Simulations comparées</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Forget this run</source>
        <translation>&amp;Supprimer cette simulation</translation>
    </message>
    <message>
        <source>Forget &amp;earlier runs</source>
        <translation>Supprimer les simulations &amp;précédentes</translation>
    </message>
    <message>
        <source>One row per run: the gains and SP it ran with, the plant and options where the runs differ in them, and the figures of its last step response. Ctrl+C copies the selected rows; Delete forgets the selected earlier runs.</source>
        <translation>Une ligne par simulation&#xa0;: les gains et la consigne SP avec lesquels elle a été calculée, le procédé et les options là où les simulations en diffèrent, et les caractéristiques de sa dernière réponse indicielle. Ctrl+C copie les lignes sélectionnées&#x202f;; Suppr supprime les simulations précédentes sélectionnées.</translation>
    </message>
</context>
<context>
    <name>corvale::SweepDialog</name>
    <message>
        <source>Sweep</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>The box whose number changes from run to run; every other box is read as typed.</source>
        <translation>La case dont le nombre change d’une simulation à l’autre ; toutes les autres cases sont lues telles que saisies.</translation>
    </message>
    <message>
        <source>The first run&apos;s value, written as in the boxes.</source>
        <translation>La valeur de la première simulation, écrite comme dans les cases.</translation>
    </message>
    <message>
        <source>The last run&apos;s value; the runs between are evenly spaced.</source>
        <translation>La valeur de la dernière simulation ; celles d’entre elles sont également espacées.</translation>
    </message>
    <message>
        <source>How many runs, from %1 to %2, both ends included.</source>
        <translation>Combien de simulations, de %1 à %2, les deux bouts compris.</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Valeur</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;De</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;À</translation>
    </message>
    <message>
        <source>&amp;Runs</source>
        <translation>&amp;Simulations</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Simulations</translation>
    </message>
    <message>
        <source>Runs: %1 is out of range.

Type a whole number from %2 to %3.</source>
        <translation>Simulations : %1 est hors limites.

Saisissez un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>%1 runs of the steps in Loops are %2 steps, more than a sweep runs.

A sweep runs at most %3 steps in all: choose fewer runs, or type fewer steps in Loops.</source>
        <translation>%1 simulations des pas de Loops font %2 pas, plus qu’un balayage n’en calcule.

Un balayage calcule au plus %3 pas en tout : choisissez moins de simulations, ou saisissez moins de pas dans Loops.</translation>
    </message>
    <message>
        <source>Swept %1 from %2 to %3 in %4 runs. The runs compared list them, a row each; Enter on a column there sorts them by it.</source>
        <translation>Balayage de %1 de %2 à %3 en %4 simulations. Les simulations comparées les listent, une ligne chacune ; Entrée sur une colonne les y trie selon elle.</translation>
    </message>
    <message>
        <source>Sweep…</source>
        <translation>Balayage…</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <comment>a box&apos;s context menu, by its label</comment>
        <translation>Menu de %1</translation>
    </message>
</context>
<context>
    <name>corvale::TranscriptBox</name>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>The transcript&apos;s rows as a table, or the run as a chart.</source>
        <translation>Les lignes du relevé en tableau, ou la simulation en graphique.</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Simulations</translation>
    </message>
    <message>
        <source>The transcript&apos;s rows as a table, the run as a chart, or the runs compared.</source>
        <translation>Les lignes du relevé en tableau, la simulation en graphique, ou les simulations comparées.</translation>
    </message>
    <message>
        <source>The transcript&apos;s rows as a table, or the runs compared.</source>
        <translation>Les lignes du relevé en tableau, ou les simulations comparées.</translation>
    </message>
    <message>
        <source>%1 (choices: %2)</source>
        <translation>%1 (au choix&#xa0;: %2)</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Boucle</translation>
    </message>
    <message>
        <source>Loop: the plant and the loop&apos;s options.</source>
        <translation>Boucle : le procédé et les options de la boucle.</translation>
    </message>
</context>
<context>
    <name>corvale::TranscriptView</name>
    <message>
        <source>Nothing selected.</source>
        <translation>Rien n’est sélectionné.</translation>
    </message>
    <message>
        <source>All %1 rows selected.</source>
        <translation>Les %1 lignes sont sélectionnées.</translation>
    </message>
    <message>
        <source>Row %1 selected.</source>
        <translation>Ligne %1 sélectionnée.</translation>
    </message>
    <message>
        <source>Rows %1 to %2 selected.</source>
        <translation>Lignes %1 à %2 sélectionnées.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <translation>lignes %1 à %2</translation>
    </message>
    <message>
        <source>%1 of %2 selected.</source>
        <translation>Sélection&#xa0;: %1, %2.</translation>
    </message>
    <message>
        <source>Nothing is selected to copy.</source>
        <translation>Rien n’est sélectionné pour la copie.</translation>
    </message>
    <message>
        <source>Copied all %1 rows.</source>
        <translation>Les %1 lignes ont été copiées.</translation>
    </message>
    <message>
        <source>Copied 1 row.</source>
        <translation>1 ligne copiée.</translation>
    </message>
    <message>
        <source>Copied %1 rows.</source>
        <translation>%1 lignes copiées.</translation>
    </message>
    <message>
        <source>Copied 1 cell.</source>
        <translation>1 cellule copiée.</translation>
    </message>
    <message>
        <source>Copied %1 cells.</source>
        <translation>%1 cellules copiées.</translation>
    </message>
    <message>
        <source>Transcript menu</source>
        <translation>Menu du relevé</translation>
    </message>
    <message>
        <source>Nothing deleted: only the runs write the transcript.</source>
        <translation>Rien n’a été supprimé&#xa0;: seules les simulations écrivent le relevé.</translation>
    </message>
</context>
</TS>
