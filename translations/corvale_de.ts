<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoxLabel</name>
    <message>
        <source>Dead time</source>
        <translation>Totzeit</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Load from step</source>
        <translation>Last ab Schritt</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Rauschen</translation>
    </message>
    <message>
        <source>Noise seed</source>
        <translation>Startwert</translation>
    </message>
</context>
<context>
    <name>FailureMessage</name>
    <message>
        <source>“%1”</source>
        <comment>the text as typed, in the language&apos;s quotation marks</comment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1 is empty. Type a number there.</source>
        <translation>%1 ist leer. Geben Sie dort eine Zahl ein.</translation>
    </message>
    <message>
        <source>Loops: %1 is not a number.

Type how many steps to add, for example 100.</source>
        <translation>Loops: %1 ist keine Zahl.

Geben Sie ein, wie viele Schritte hinzukommen sollen, zum Beispiel 100.</translation>
    </message>
    <message>
        <source>Loops: %1 is not a whole number.

Type how many steps to add, for example 100.</source>
        <translation>Loops: %1 ist keine ganze Zahl.

Geben Sie ein, wie viele Schritte hinzukommen sollen, zum Beispiel 100.</translation>
    </message>
    <message>
        <source>%1: %2 is out of range.

Numbers must lie between -%3 and %3.</source>
        <translation>%1: %2 liegt außerhalb des Zahlenbereichs.

Zahlen müssen zwischen -%3 und %3 liegen.</translation>
    </message>
    <message>
        <source>Loops: %1 asks for too many steps.

One run adds at most %2 rows: type at most %2 in Loops, and press Continue for more.</source>
        <translation>Loops: %1 sind zu viele Schritte.

Ein Lauf fügt höchstens %2 Zeilen hinzu: Geben Sie bei Loops höchstens %2 ein und rechnen Sie mit Continue weiter.</translation>
    </message>
    <message>
        <source>at most one decimal point</source>
        <comment>as in: Type digits with …</comment>
        <translation>höchstens einem Punkt</translation>
    </message>
    <message>
        <source>at most one decimal comma</source>
        <comment>as in: Type digits with …</comment>
        <translation>höchstens einem Komma</translation>
    </message>
    <message>
        <source>at most one decimal separator “%1”</source>
        <comment>as in: Type digits with …</comment>
        <translation>höchstens einem Dezimaltrennzeichen „%1“</translation>
    </message>
    <message>
        <source>%1: %2 is not a number.

Type digits with %3, an optional sign and an optional exponent, for example %4, -2 or %5.</source>
        <translation>%1: %2 ist keine Zahl.

Geben Sie Ziffern mit %3 ein, wahlweise mit Vorzeichen und Exponent, zum Beispiel %4; -2 oder %5.</translation>
    </message>
    <message>
        <source>Step %1 would go beyond the limit of %2 bytes of text per run.

Nothing was written for step %1; the rows before it stay. Press Continue for more. Compute clears the rows: copy the ones you want to keep first.</source>
        <translation>Mit Schritt %1 würde die Grenze von %2 Byte Text pro Lauf überschritten.

Für Schritt %1 wurde nichts geschrieben; die Zeilen davor bleiben erhalten. Mit Continue rechnen Sie weiter. Compute löscht die Zeilen: Kopieren Sie vorher die Zeilen, die Sie behalten möchten.</translation>
    </message>
    <message>
        <source>Step %1 would go beyond the transcript&apos;s limit of %2 bytes of text.

Nothing was written for step %1; the rows before it stay. Copy the rows you want to keep, then press Compute to start afresh.</source>
        <translation>Mit Schritt %1 würde das Protokoll seine Grenze von %2 Byte Text überschreiten.

Für Schritt %1 wurde nichts geschrieben; die Zeilen davor bleiben erhalten. Kopieren Sie die Zeilen, die Sie behalten möchten, und beginnen Sie dann mit Compute neu.</translation>
    </message>
    <message>
        <source>The run from step %1 cannot be shown: there is not enough memory for the rows.

No row of this run was kept; type fewer steps in Loops.</source>
        <translation>Der Lauf ab Schritt %1 lässt sich nicht anzeigen: Der Arbeitsspeicher reicht für die Zeilen nicht aus.

Von diesem Lauf wurde keine Zeile behalten; geben Sie bei Loops weniger Schritte ein.</translation>
    </message>
    <message>
        <source>Step %3 cannot be computed: with %1 = %2, its result is too large to represent.

Nothing was changed. Type a number closer to %4 in %1.</source>
        <translation>Schritt %3 lässt sich nicht berechnen: Mit %1 = %2 verlässt das Ergebnis den darstellbaren Zahlenbereich.

Es wurde nichts geändert. Geben Sie bei %1 eine Zahl näher an %4 ein.</translation>
    </message>
    <message>
        <source>Step %1 cannot be computed: with %2 = %3, its result is too large to represent.

Nothing was written for step %1; the rows before it stay. Type a number closer to %4 in %2.</source>
        <translation>Schritt %1 lässt sich nicht berechnen: Mit %2 = %3 verlässt das Ergebnis den darstellbaren Zahlenbereich.

Für Schritt %1 wurde nichts geschrieben; die Zeilen davor bleiben erhalten. Geben Sie bei %2 eine Zahl näher an %4 ein.</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number.

Type a whole number from %3 to %4.</source>
        <translation>%1: %2 ist keine ganze Zahl.

Geben Sie eine ganze Zahl von %3 bis %4 ein.</translation>
    </message>
    <message>
        <source>%1: %2 is out of range.

Type a whole number from %3 to %4.</source>
        <translation>%1: %2 liegt außerhalb des Bereichs.

Geben Sie eine ganze Zahl von %3 bis %4 ein.</translation>
    </message>
    <message>
        <source>%1: %2 is below 0.

Type 0 or a number above it.</source>
        <translation>%1: %2 ist kleiner als 0.

Geben Sie 0 oder eine größere Zahl ein.</translation>
    </message>
</context>
<context>
    <name>ResponseText</name>
    <message>
        <source>X at %1: step %2 only</source>
        <translation>Stellgröße X bei %1: nur in Schritt %2</translation>
    </message>
    <message>
        <source>X at %1: %2 steps, from step %3 to step %4</source>
        <translation>Stellgröße X bei %1: %2 Schritte, von Schritt %3 bis Schritt %4</translation>
    </message>
    <message>
        <source>X at %1: %2 steps between step %3 and step %4, not all consecutive</source>
        <translation>Stellgröße X bei %1: %2 Schritte zwischen Schritt %3 und Schritt %4, nicht alle aufeinanderfolgend</translation>
    </message>
    <message>
        <source>Fall time</source>
        <translation>Abfallzeit</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Anstiegszeit</translation>
    </message>
    <message>
        <source>Step response at step %1: PV from %2 toward SP %3.</source>
        <translation>Sprungantwort in Schritt %1: PV von %2 in Richtung SP %3.</translation>
    </message>
    <message>
        <source>Step response from step %1 to step %2: PV from %3 toward SP %4.</source>
        <translation>Sprungantwort von Schritt %1 bis Schritt %2: PV von %3 in Richtung SP %4.</translation>
    </message>
    <message>
        <source>Not settled: from step %1 on, PV still moves between %2 and %3.</source>
        <translation>Nicht eingeschwungen: Ab Schritt %1 bewegt sich PV noch zwischen %2 und %3.</translation>
    </message>
    <message>
        <source>Steady-state error (SP − final PV): %1.</source>
        <translation>Bleibende Regelabweichung (SP − letzter PV): %1.</translation>
    </message>
    <message>
        <source>%1; %2.</source>
        <comment>the clauses of X at 0 and X at 255</comment>
        <translation>%1; %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>the clause of X at one limit</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1: PV did not reach %2&#xa0;% of the change.</source>
        <translation>%1: PV erreichte nicht %2&#xa0;% der Änderung.</translation>
    </message>
    <message>
        <source>%1 (%2–%3&#xa0;% of the change): under one step, at step %4.</source>
        <translation>%1 (%2–%3&#xa0;% der Änderung): unter einem Schritt, in Schritt %4.</translation>
    </message>
    <message>
        <source>%1 (%2–%3&#xa0;% of the change): %4 steps, from step %5 to step %6.</source>
        <translation>%1 (%2–%3&#xa0;% der Änderung): %4 Schritte, von Schritt %5 bis Schritt %6.</translation>
    </message>
    <message>
        <source>Settling time (±%1&#xa0;% of the change): %2 steps, from step %3 to step %4.</source>
        <translation>Ausregelzeit (Toleranzband ±%1&#xa0;% der Änderung): %2 Schritte, von Schritt %3 bis Schritt %4.</translation>
    </message>
    <message>
        <source>No step: SP changed by less than %1 from its previous value.</source>
        <translation>Kein Sprung: SP hat sich gegenüber seinem vorigen Wert um weniger als %1 geändert.</translation>
    </message>
    <message>
        <source>No response to measure: PV stayed at %1.</source>
        <translation>Keine Sprungantwort zu messen: PV blieb bei %1.</translation>
    </message>
    <message>
        <source>No change to measure: PV moved, but ended where it started, at %1.</source>
        <translation>Keine Änderung zu messen: PV hat sich bewegt, endete aber dort, wo er begann, bei %1.</translation>
    </message>
    <message>
        <source>Lowest point: PV %1 at step %2; overshoot %3&#xa0;% of the change, beyond the final value %4.</source>
        <translation>Tiefstwert: PV %1 in Schritt %2; Überschwingweite %3&#xa0;% der Änderung, gemessen vom Endwert %4.</translation>
    </message>
    <message>
        <source>Peak: PV %1 at step %2; overshoot %3&#xa0;% of the change, beyond the final value %4.</source>
        <translation>Spitzenwert: PV %1 in Schritt %2; Überschwingweite %3&#xa0;% der Änderung, gemessen vom Endwert %4.</translation>
    </message>
    <message>
        <source>X at %1 or %2: never.</source>
        <translation>Stellgröße X bei %1 oder %2: nie.</translation>
    </message>
    <message>
        <source>SP cannot be reached: with the plant&apos;s gain of one half and X at most %1, PV never passes %2.</source>
        <translation>SP ist nicht erreichbar: Die Strecke halbiert X, und X ist höchstens %1, daher steigt PV nie über %2.</translation>
    </message>
    <message>
        <source>SP cannot be reached: X is at least %1, so PV never falls below %1.</source>
        <translation>SP ist nicht erreichbar: X ist mindestens %1, daher sinkt PV nie unter %1.</translation>
    </message>
    <message>
        <source>%1 (%2–%3&#xa0;% of the change): one step, from step %4 to step %5.</source>
        <translation>%1 (%2–%3&#xa0;% der Änderung): ein Schritt, von Schritt %4 bis Schritt %5.</translation>
    </message>
    <message>
        <source>Settling time (±%1&#xa0;% of the change): none, PV is within the band from step %2 on.</source>
        <translation>Ausregelzeit (Toleranzband ±%1&#xa0;% der Änderung): keine, PV liegt ab Schritt %2 im Toleranzband.</translation>
    </message>
    <message>
        <source>Settling time (±%1&#xa0;% of the change): one step, from step %2 to step %3.</source>
        <translation>Ausregelzeit (Toleranzband ±%1&#xa0;% der Änderung): ein Schritt, von Schritt %2 bis Schritt %3.</translation>
    </message>
    <message>
        <source>SP cannot be reached: with X from %1 to %2, this plant&apos;s PV settles between %3 and %4.</source>
        <translation>SP ist nicht erreichbar: Mit X von %1 bis %2 kommt der Istwert PV dieser Strecke zwischen %3 und %4 zur Ruhe.</translation>
    </message>
    <message>
        <source>X at %1: step %2 only.</source>
        <translation>X bei %1: nur Schritt %2.</translation>
    </message>
    <message>
        <source>X at %1: %2 steps, step %3 to %4.</source>
        <translation>X bei %1: %2 Schritte, Schritt %3 bis %4.</translation>
    </message>
    <message>
        <source>X at %1: %2 steps between step %3 and %4.</source>
        <translation>X bei %1: %2 Schritte zwischen Schritt %3 und %4.</translation>
    </message>
    <message>
        <source>%1: PV did not reach %2&#xa0;%.</source>
        <translation>%1: PV erreichte nicht %2&#xa0;%.</translation>
    </message>
    <message>
        <source>%1: under one step, at step %2.</source>
        <translation>%1: unter einem Schritt, in Schritt %2.</translation>
    </message>
    <message>
        <source>%1: one step, step %2 to %3.</source>
        <translation>%1: ein Schritt, Schritt %2 bis %3.</translation>
    </message>
    <message>
        <source>%1: %2 steps, step %3 to %4.</source>
        <translation>%1: %2 Schritte, Schritt %3 bis %4.</translation>
    </message>
    <message>
        <source>Settling time: none, PV in the band from step %1 on.</source>
        <translation>Ausregelzeit: keine, PV ab Schritt %1 im Toleranzband.</translation>
    </message>
    <message>
        <source>Settling time: one step, step %1 to %2.</source>
        <translation>Ausregelzeit: ein Schritt, Schritt %1 bis %2.</translation>
    </message>
    <message>
        <source>Settling time: %1 steps, step %2 to %3.</source>
        <translation>Ausregelzeit: %1 Schritte, Schritt %2 bis %3.</translation>
    </message>
    <message>
        <source>No step: SP changed by less than %1.</source>
        <translation>Kein Sprung: SP änderte sich um weniger als %1.</translation>
    </message>
    <message>
        <source>No response: PV stayed at %1.</source>
        <translation>Keine Sprungantwort: PV blieb bei %1.</translation>
    </message>
    <message>
        <source>No change: PV ended where it started, at %1.</source>
        <translation>Keine Änderung: PV endete, wo er begann, bei %1.</translation>
    </message>
    <message>
        <source>Not settled: PV between %1 and %2 from step %3 on.</source>
        <translation>Nicht eingeschwungen: PV ab Schritt %3 zwischen %1 und %2.</translation>
    </message>
    <message>
        <source>Lowest point: %1 at step %2, overshoot %3&#xa0;%.</source>
        <translation>Tiefstwert: %1 in Schritt %2, Überschwingweite %3&#xa0;%.</translation>
    </message>
    <message>
        <source>Peak: %1 at step %2, overshoot %3&#xa0;%.</source>
        <translation>Spitzenwert: %1 in Schritt %2, Überschwingweite %3&#xa0;%.</translation>
    </message>
    <message>
        <source>SP out of reach: PV settles between %1 and %2.</source>
        <translation>SP nicht erreichbar: PV kommt zwischen %1 und %2 zur Ruhe.</translation>
    </message>
    <message>
        <source>SP out of reach: PV never passes %1.</source>
        <translation>SP nicht erreichbar: PV steigt nie über %1.</translation>
    </message>
    <message>
        <source>SP out of reach: PV never falls below %1.</source>
        <translation>SP nicht erreichbar: PV sinkt nie unter %1.</translation>
    </message>
    <message>
        <source>Steady-state error: %1.</source>
        <translation>Bleibende Regelabweichung: %1.</translation>
    </message>
</context>
<context>
    <name>RunComparison</name>
    <message>
        <source>not reached</source>
        <translation>nicht erreicht</translation>
    </message>
    <message>
        <source>no step</source>
        <translation>kein Sprung</translation>
    </message>
    <message>
        <source>not settled: PV %1 to %2</source>
        <translation>nicht eingeschwungen: PV %1 bis %2</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lauf</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>The runs in the order they were computed; the last is the current one.</source>
        <translation>Die Läufe in der Reihenfolge ihrer Berechnung; der letzte ist der aktuelle.</translation>
    </message>
    <message>
        <source>As the run&apos;s last Compute or Continue read it.</source>
        <translation>Der Wert, wie ihn das letzte Compute oder Continue des Laufs gelesen hat.</translation>
    </message>
    <message>
        <source>The run&apos;s steps, its Continues included.</source>
        <translation>Alle Schritte des Laufs, auch die aus Continue.</translation>
    </message>
    <message>
        <source>The first step from which PV stays within ±2&#xa0;% of the change.</source>
        <translation>Der erste Schritt, ab dem PV im Toleranzband von ±2&#xa0;% der Änderung bleibt.</translation>
    </message>
    <message>
        <source>How many steps X sat at this limit in the run&apos;s last step response.</source>
        <translation>In wie vielen Schritten der letzten Sprungantwort des Laufs X an dieser Grenze lag.</translation>
    </message>
    <message>
        <source>settled from step %1 instead of step %2</source>
        <translation>eingeschwungen ab Schritt %1 statt ab Schritt %2</translation>
    </message>
    <message>
        <source>settled from step %1, where before it did not settle</source>
        <translation>eingeschwungen ab Schritt %1, zuvor nicht eingeschwungen</translation>
    </message>
    <message>
        <source>not settled, where before it settled from step %1</source>
        <translation>nicht eingeschwungen, zuvor eingeschwungen ab Schritt %1</translation>
    </message>
    <message>
        <source>not settled, as before</source>
        <translation>nicht eingeschwungen, wie zuvor</translation>
    </message>
    <message>
        <source>overshoot %1&#xa0;% instead of %2&#xa0;%</source>
        <translation>Überschwingweite %1&#xa0;% statt %2&#xa0;%</translation>
    </message>
    <message>
        <source>steady-state error %1 instead of %2</source>
        <translation>bleibende Regelabweichung %1 statt %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>two clauses of the comparison with the run before</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Compared with the run before: %1.</source>
        <translation>Im Vergleich zum vorigen Lauf: %1.</translation>
    </message>
    <message>
        <source>%1, current</source>
        <translation>%1, aktuell</translation>
    </message>
    <message>
        <source>under 1</source>
        <translation>unter 1</translation>
    </message>
    <message>
        <source>Settling</source>
        <translation>Ausregelzeit</translation>
    </message>
    <message>
        <source>Settled at</source>
        <translation>Eingeschw. ab</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>X at 0</source>
        <translation>X bei 0</translation>
    </message>
    <message>
        <source>X at 255</source>
        <translation>X bei 255</translation>
    </message>
    <message>
        <source>Rise or fall time: the steps from 10&#xa0;% to 90&#xa0;% of the change, in the run&apos;s last step response.</source>
        <translation>Anstiegs- oder Abfallzeit: Schritte von 10&#xa0;% bis 90&#xa0;% der Änderung, in der letzten Sprungantwort des Laufs.</translation>
    </message>
    <message>
        <source>Peak or lowest point: PV farthest in the direction of the change.</source>
        <translation>Spitzen- oder Tiefstwert: der Wert von PV, der in Richtung der Änderung am weitesten reicht.</translation>
    </message>
    <message>
        <source>Settling time: the steps from the start of the step response until PV stays within ±2&#xa0;% of the change around its final value.</source>
        <translation>Ausregelzeit: Schritte vom Beginn der Sprungantwort, bis PV im Toleranzband von ±2&#xa0;% der Änderung um seinen Endwert bleibt.</translation>
    </message>
    <message>
        <source>Steady-state error: SP − final PV, once PV has settled.</source>
        <translation>Bleibende Regelabweichung: SP − letzter PV, sobald PV eingeschwungen ist.</translation>
    </message>
    <message>
        <source>no response</source>
        <translation>keine Sprungantwort</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>keine Änderung</translation>
    </message>
    <message>
        <source>Overshoot&#xa0;%</source>
        <translation>Überschw.&#xa0;%</translation>
    </message>
    <message>
        <source>How far PV went past the final value, in percent of the change.</source>
        <translation>Wie weit PV über den Endwert hinausging, in Prozent der Änderung.</translation>
    </message>
    <message>
        <source>%1 %2 instead of %3</source>
        <translation>%1 %2 statt %3</translation>
    </message>
    <message>
        <source>the same gains and SP</source>
        <translation>Beiwerte und SP unverändert</translation>
    </message>
    <message>
        <source>under 1 step</source>
        <translation>unter 1 Schritt</translation>
    </message>
    <message>
        <source>fall time %1 instead of %2</source>
        <translation>Abfallzeit %1 statt %2</translation>
    </message>
    <message>
        <source>rise time %1 instead of %2</source>
        <translation>Anstiegszeit %1 statt %2</translation>
    </message>
    <message>
        <source>the same figures</source>
        <translation>Kennwerte unverändert</translation>
    </message>
    <message>
        <source>1 step</source>
        <translation>1 Schritt</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 Schritte</translation>
    </message>
    <message>
        <source>Rise time under 1 step</source>
        <translation>Anstiegszeit unter 1 Schritt</translation>
    </message>
    <message>
        <source>Rise time %1</source>
        <translation>Anstiegszeit %1</translation>
    </message>
    <message>
        <source>Peak %1</source>
        <translation>Spitzenwert %1</translation>
    </message>
    <message>
        <source>Overshoot %1&#xa0;%</source>
        <translation>Überschwingweite %1&#xa0;%</translation>
    </message>
    <message>
        <source>Settling time %1</source>
        <translation>Ausregelzeit %1</translation>
    </message>
    <message>
        <source>Settled from step %1</source>
        <translation>Eingeschwungen ab Schritt %1</translation>
    </message>
    <message>
        <source>Steady-state error %1</source>
        <translation>Bleibende Regelabweichung %1</translation>
    </message>
    <message>
        <source>X at 0 for %1</source>
        <translation>X bei 0: %1</translation>
    </message>
    <message>
        <source>X at 255 for %1</source>
        <translation>X bei 255: %1</translation>
    </message>
    <message>
        <source>Steps run</source>
        <translation>Anzahl der Schritte</translation>
    </message>
    <message>
        <source>Rise time in steps</source>
        <translation>Anstiegszeit in Schritten</translation>
    </message>
    <message>
        <source>Peak of PV</source>
        <translation>Spitzenwert von PV</translation>
    </message>
    <message>
        <source>Overshoot in percent</source>
        <translation>Überschwingweite in Prozent</translation>
    </message>
    <message>
        <source>Settling time in steps</source>
        <translation>Ausregelzeit in Schritten</translation>
    </message>
    <message>
        <source>Settled from step</source>
        <translation>Eingeschwungen ab Schritt</translation>
    </message>
    <message>
        <source>Steady-state error</source>
        <translation>Bleibende Regelabweichung</translation>
    </message>
    <message>
        <source>Steps X sat at 0</source>
        <translation>Schritte mit X bei 0</translation>
    </message>
    <message>
        <source>Steps X sat at 255</source>
        <translation>Schritte mit X bei 255</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine Angabe</translation>
    </message>
    <message>
        <source>%1: none</source>
        <translation>%1: keine Angabe</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Lauf %1</translation>
    </message>
    <message>
        <source>Settling time: %1</source>
        <translation>Ausregelzeit: %1</translation>
    </message>
    <message>
        <source>Rise time: %1</source>
        <translation>Anstiegszeit: %1</translation>
    </message>
    <message>
        <source>Dead time</source>
        <translation>Totzeit</translation>
    </message>
    <message>
        <source>Anti-windup</source>
        <translation>Anti-Windup</translation>
    </message>
    <message>
        <source>D on</source>
        <translation>D auf</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Load from step</source>
        <translation>Last ab Schritt</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Rauschen</translation>
    </message>
    <message>
        <source>Noise seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>Dead time %1</source>
        <translation>Totzeit %1</translation>
    </message>
    <message>
        <source>Load from step %1</source>
        <translation>Last ab Schritt %1</translation>
    </message>
    <message>
        <source>Plant gain K</source>
        <translation>Streckenverstärkung K</translation>
    </message>
    <message>
        <source>First lag T1 in steps</source>
        <translation>Erste Verzögerung T1 in Schritten</translation>
    </message>
    <message>
        <source>Second lag T2 in steps</source>
        <translation>Zweite Verzögerung T2 in Schritten</translation>
    </message>
    <message>
        <source>Dead time in steps</source>
        <translation>Totzeit in Schritten</translation>
    </message>
    <message>
        <source>Tracking gain Kb</source>
        <translation>Rückführverstärkung Kb</translation>
    </message>
    <message>
        <source>D acts on</source>
        <translation>D wirkt auf</translation>
    </message>
    <message>
        <source>Anti-windup: %1</source>
        <translation>Anti-Windup: %1</translation>
    </message>
    <message>
        <source>D on %1</source>
        <translation>D auf %1</translation>
    </message>
    <message>
        <source>PV</source>
        <comment>D acts on</comment>
        <translation>PV</translation>
    </message>
    <message>
        <source>error</source>
        <comment>D acts on</comment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The plant&apos;s gain: PV settles at K times its input.</source>
        <translation>Die Verstärkung der Strecke: PV kommt beim K-Fachen ihres Eingangs zur Ruhe.</translation>
    </message>
    <message>
        <source>The time constant of the plant&apos;s lag, in steps; 0 for none.</source>
        <translation>Die Zeitkonstante der Verzögerung der Strecke in Schritten; 0 für keine.</translation>
    </message>
    <message>
        <source>Steps the plant waits before its input takes effect.</source>
        <translation>Schritte, die die Strecke wartet, bis ihr Eingang wirkt.</translation>
    </message>
    <message>
        <source>What kept I from winding up while X was held at 0 or 255.</source>
        <translation>Was I am Aufwickeln hinderte, während X bei 0 oder 255 festgehalten wurde.</translation>
    </message>
    <message>
        <source>Back-calculation&apos;s tracking gain; a dash for the other runs.</source>
        <translation>Die Rückführverstärkung der Rückrechnung; ein Strich bei den anderen Läufen.</translation>
    </message>
    <message>
        <source>Whether D acted on PV&apos;s change or on the error&apos;s.</source>
        <translation>Ob D auf die Änderung von PV oder auf die des Fehlers wirkte.</translation>
    </message>
    <message>
        <source>A load added to the plant&apos;s input.</source>
        <translation>Eine Last, die zum Eingang der Strecke addiert wurde.</translation>
    </message>
    <message>
        <source>The step the load began at; a dash where there was none.</source>
        <translation>Der Schritt, ab dem die Last wirkte; ein Strich, wo es keine gab.</translation>
    </message>
    <message>
        <source>The noise, up to this much either way, on the PV read.</source>
        <translation>Das Rauschen auf dem gelesenen PV, bis zu so viel nach oben oder unten.</translation>
    </message>
    <message>
        <source>The seed the noise was drawn from; a dash where there was none.</source>
        <translation>Der Startwert, aus dem das Rauschen gezogen wurde; ein Strich, wo es keines gab.</translation>
    </message>
    <message>
        <source>As the run&apos;s last Compute or Continue read it; shown while some run differs from another in it.</source>
        <translation>Wie das letzte Compute oder Continue des Laufs es gelesen hat; angezeigt, solange sich ein Lauf darin von einem anderen unterscheidet.</translation>
    </message>
    <message>
        <source>Rise or fall</source>
        <translation>Anstiegs- oder Abfallzeit</translation>
    </message>
    <message>
        <source>Peak or lowest</source>
        <translation>Spitzen- oder Tiefstwert</translation>
    </message>
    <message>
        <source>Run %1 of %2, current</source>
        <translation>Lauf %1 von %2, aktuell</translation>
    </message>
    <message>
        <source>Run %1 of %2</source>
        <translation>Lauf %1 von %2</translation>
    </message>
    <message>
        <source>No run to copy.</source>
        <translation>Kein Lauf zum Kopieren.</translation>
    </message>
    <message>
        <source>Copied 1 run.</source>
        <translation>1 Lauf kopiert.</translation>
    </message>
    <message>
        <source>Copied %1 runs.</source>
        <translation>%1 Läufe kopiert.</translation>
    </message>
    <message>
        <source>No run to forget.</source>
        <translation>Kein Lauf zum Vergessen.</translation>
    </message>
    <message>
        <source>The current run stays, as the transcript shows it: Delete forgets earlier runs.</source>
        <translation>Der aktuelle Lauf bleibt, da das Protokoll ihn zeigt: Entf vergisst frühere Läufe.</translation>
    </message>
    <message>
        <source>Run %1 forgotten.</source>
        <translation>Lauf %1 vergessen.</translation>
    </message>
    <message>
        <source>%1 runs forgotten.</source>
        <translation>%1 Läufe vergessen.</translation>
    </message>
    <message>
        <source>First run.</source>
        <translation>Erster Lauf.</translation>
    </message>
    <message>
        <source>Last run.</source>
        <translation>Letzter Lauf.</translation>
    </message>
    <message>
        <source>Runs compared menu</source>
        <translation>Menü der Läufe im Vergleich</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Anstiegszeit</translation>
    </message>
    <message>
        <source>Settling time</source>
        <translation>Ausregelzeit</translation>
    </message>
    <message>
        <source>Overshoot</source>
        <translation>Überschwingweite</translation>
    </message>
    <message>
        <source>in the order they ran</source>
        <translation>in der Reihenfolge, in der sie liefen</translation>
    </message>
    <message>
        <source>latest first</source>
        <translation>die späteste zuerst</translation>
    </message>
    <message>
        <source>shortest first</source>
        <translation>die kürzeste zuerst</translation>
    </message>
    <message>
        <source>longest first</source>
        <translation>die längste zuerst</translation>
    </message>
    <message>
        <source>earliest first</source>
        <translation>die früheste zuerst</translation>
    </message>
    <message>
        <source>in alphabetical order</source>
        <translation>alphabetisch</translation>
    </message>
    <message>
        <source>in reverse alphabetical order</source>
        <translation>umgekehrt alphabetisch</translation>
    </message>
    <message>
        <source>smallest first</source>
        <translation>der kleinste Wert zuerst</translation>
    </message>
    <message>
        <source>largest first</source>
        <translation>der größte Wert zuerst</translation>
    </message>
    <message>
        <source>Sorted by %1, %2</source>
        <translation>Sortiert nach %1, %2</translation>
    </message>
    <message>
        <source>Now on run %1 of %2.</source>
        <translation>Jetzt auf Lauf %1 von %2.</translation>
    </message>
    <message>
        <source>No run selected.</source>
        <translation>Kein Lauf ausgewählt.</translation>
    </message>
    <message>
        <source>Run %1 selected.</source>
        <translation>Lauf %1 ausgewählt.</translation>
    </message>
    <message>
        <source>All %1 runs selected.</source>
        <translation>Alle %1 Läufe ausgewählt.</translation>
    </message>
    <message>
        <source>Runs %1 to %2 selected.</source>
        <translation>Läufe %1 bis %2 ausgewählt.</translation>
    </message>
    <message>
        <source>%1 runs selected.</source>
        <translation>%1 Läufe ausgewählt.</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>sorted by …: the run first, its value</comment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1; the next run alike.</source>
        <translation>%1; der nächste Lauf ebenso.</translation>
    </message>
    <message>
        <source>%1; the next %2 runs alike.</source>
        <translation>%1; die nächsten %2 Läufe ebenso.</translation>
    </message>
</context>
<context>
    <name>RunNames</name>
    <message>
        <source>Load %1</source>
        <translation>Last %1</translation>
    </message>
    <message>
        <source>Load %1 from step %2</source>
        <translation>Last %1 ab Schritt %2</translation>
    </message>
    <message>
        <source>Noise %1</source>
        <translation>Rauschen %1</translation>
    </message>
    <message>
        <source>Noise %1, seed %2</source>
        <translation>Rauschen %1, Startwert %2</translation>
    </message>
    <message>
        <source>Anti-windup: conditional</source>
        <translation>Anti-Windup: bedingt</translation>
    </message>
    <message>
        <source>Anti-windup: back-calculation</source>
        <translation>Anti-Windup: Rückrechnung</translation>
    </message>
    <message>
        <source>Anti-windup: none</source>
        <translation>Anti-Windup: keines</translation>
    </message>
    <message>
        <source>Dead time %1</source>
        <translation>Totzeit %1</translation>
    </message>
    <message>
        <source>D on PV</source>
        <translation>D auf PV</translation>
    </message>
    <message>
        <source>D on error</source>
        <translation>D auf Fehler</translation>
    </message>
    <message>
        <source>conditional</source>
        <comment>anti-windup</comment>
        <translation>bedingt</translation>
    </message>
    <message>
        <source>back-calculation</source>
        <comment>anti-windup</comment>
        <translation>Rückrechnung</translation>
    </message>
    <message>
        <source>none</source>
        <comment>anti-windup</comment>
        <translation>keines</translation>
    </message>
</context>
<context>
    <name>corvale::Form1</name>
    <message>
        <source>How many steps one press of Compute or Continue adds: a whole number, at most %1.</source>
        <translation>Wie viele Schritte ein Klick auf Compute oder Continue hinzufügt: eine ganze Zahl, höchstens %1.</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Type a number, for example “2”, “%1” or “1%2e3”.</source>
        <translation>Geben Sie eine Zahl ein, zum Beispiel „2“, „%1“ oder „1%2e3“.</translation>
    </message>
    <message>
        <source>Set point: the value that PV, the process value, should reach.
</source>
        <translation>Sollwert: der Wert, den PV, der Istwert, erreichen soll.
</translation>
    </message>
    <message>
        <source>One row per step. X: the plant&apos;s input, the controller&apos;s output from the step before, limited to %1–%2.
PV: the process value, the plant&apos;s output (half of X on the original plant).  Error: SP − PV.  P, I, D: the controller&apos;s three terms.
The switch under the table shows the run as a chart, or the runs compared; a larger window shows the chart beside the boxes, and the runs compared too where it has room.
Ctrl+plus and Ctrl+minus, or Ctrl with the mouse wheel, make the window larger or smaller; Ctrl+0 restores its original size.</source>
        <translation>Eine Zeile je Schritt. X: der Eingang der Strecke, die Stellgröße des Reglers aus dem vorigen Schritt, begrenzt auf %1 bis %2.
PV: der Istwert, der Ausgang der Strecke (bei der ursprünglichen Strecke die Hälfte von X).  Error: die Regelabweichung SP − PV.  P, I, D: die drei Anteile des Reglers.
Der Umschalter unter der Tabelle zeigt den Lauf als Diagramm oder die Läufe im Vergleich; in einem größeren Fenster steht das Diagramm neben den Eingabefeldern und, wo Platz ist, auch die Läufe im Vergleich.
Strg+Plus und Strg+Minus oder Strg mit dem Mausrad vergrößern bzw. verkleinern das Fenster; Strg+0 stellt die ursprüngliche Größe wieder her.</translation>
    </message>
    <message>
        <source>No rows yet: Compute fills the table, one row per step.</source>
        <translation>Noch keine Zeilen: Compute füllt die Tabelle, eine Zeile je Schritt.</translation>
    </message>
    <message>
        <source>Zoom %1&#xa0;%, as large as it goes.</source>
        <translation>Zoom %1&#xa0;%, größer geht es nicht.</translation>
    </message>
    <message>
        <source>Zoom %1&#xa0;%, as small as it goes.</source>
        <translation>Zoom %1&#xa0;%, kleiner geht es nicht.</translation>
    </message>
    <message>
        <source>Zoom %1&#xa0;%.</source>
        <translation>Zoom %1&#xa0;%.</translation>
    </message>
    <message>
        <source>No steps run: the table is empty.</source>
        <translation>Keine Schritte berechnet: Die Tabelle ist leer.</translation>
    </message>
    <message>
        <source>No steps run.</source>
        <translation>Keine Schritte berechnet.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a combo box&apos;s choice, then what it does</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Proportional gain: P = Kp × Error. P pushes X in proportion to the error of this step: the further PV is from SP, the harder it pushes.
</source>
        <translation>Proportionalbeiwert: P = Kp × Error. P stellt X im Verhältnis zur Regelabweichung dieses Schritts: je weiter PV von SP entfernt ist, desto stärker.
</translation>
    </message>
    <message>
        <source>Proportional gain.</source>
        <translation>Proportionalbeiwert.</translation>
    </message>
    <message>
        <source>Integral gain: I = Ki × the sum of the errors. I pushes X by the errors of every step so far, added up: it changes for as long as an error is left.
</source>
        <translation>Integralbeiwert: I = Ki × Summe der Regelabweichungen. I stellt X nach den Regelabweichungen aller bisherigen Schritte, zusammengezählt: es ändert sich, solange eine Regelabweichung bleibt.
</translation>
    </message>
    <message>
        <source>Integral gain.</source>
        <translation>Integralbeiwert.</translation>
    </message>
    <message>
        <source>Derivative gain: D = Kd × the change in the error from the step before. D answers how fast the error changes, not how large it is.
</source>
        <translation>Differentialbeiwert: D = Kd × Änderung der Regelabweichung seit dem vorigen Schritt. D antwortet darauf, wie schnell sich die Regelabweichung ändert, nicht wie groß sie ist.
</translation>
    </message>
    <message>
        <source>Derivative gain.</source>
        <translation>Differentialbeiwert.</translation>
    </message>
    <message>
        <source>Set point.</source>
        <translation>Sollwert.</translation>
    </message>
    <message>
        <source>Steps a run adds.</source>
        <translation>Schritte, die ein Lauf anfügt.</translation>
    </message>
    <message>
        <source>Start afresh: clear the transcript and run Loops steps from step 1.
The run before stays in the chart and among the runs compared.
Ctrl+Enter presses it from anywhere in the window.</source>
        <translation>Neu beginnen: das Protokoll leeren und Loops Schritte ab Schritt 1 berechnen.
Der vorige Lauf bleibt im Diagramm und bei den Läufen im Vergleich.
Strg+Eingabe drückt die Schaltfläche von überall im Fenster.</translation>
    </message>
    <message>
        <source>Starts afresh from step 1.</source>
        <translation>Beginnt neu ab Schritt 1.</translation>
    </message>
    <message>
        <source>Carry on from the last step for Loops more steps, with the gains and SP as they stand now.
The sum of the errors in I carries on; D starts afresh, so the first of these steps has D = Kd × Error.
Ctrl+Shift+Enter presses it from anywhere in the window.</source>
        <translation>Weiterrechnen: ab dem letzten Schritt Loops weitere Schritte berechnen, mit den Beiwerten und dem Sollwert SP, wie sie jetzt eingetragen sind.
Die Summe der Regelabweichungen im I-Anteil läuft weiter; nur der D-Anteil beginnt neu, im ersten dieser Schritte ist also D = Kd × Error.
Strg+Umschalt+Eingabe drückt die Schaltfläche von überall im Fenster.</translation>
    </message>
    <message>
        <source>Carries on from the last step.</source>
        <translation>Rechnet ab dem letzten Schritt weiter.</translation>
    </message>
    <message>
        <source>Not stepped: too many digits.</source>
        <translation>Nicht verstellt: zu viele Ziffern.</translation>
    </message>
    <message>
        <source>Not stepped: the box holds no plain number.</source>
        <translation>Nicht verstellt: Das Feld enthält keine einfache Zahl.</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <comment>a box&apos;s label, its value, what its run changed</comment>
        <translation>%1 %2: %3</translation>
    </message>
</context>
<context>
    <name>corvale::LoopPage</name>
    <message>
        <source>The plant&apos;s gain: PV settles at K times its input.</source>
        <translation>Die Verstärkung der Strecke: PV kommt beim K-Fachen ihres Eingangs zur Ruhe.</translation>
    </message>
    <message>
        <source>The first lag&apos;s time constant, in steps; 0 for none.</source>
        <translation>Die Zeitkonstante der ersten Verzögerung in Schritten; 0 für keine.</translation>
    </message>
    <message>
        <source>The second lag&apos;s time constant, in steps; 0 for none.</source>
        <translation>Die Zeitkonstante der zweiten Verzögerung in Schritten; 0 für keine.</translation>
    </message>
    <message>
        <source>Steps the plant waits before its input takes effect.</source>
        <translation>Schritte, die die Strecke wartet, bis ihr Eingang wirkt.</translation>
    </message>
    <message>
        <source>How fast back-calculation pulls the sum of the errors back.</source>
        <translation>Wie schnell die Rückrechnung die Summe der Fehler zurückholt.</translation>
    </message>
    <message>
        <source>A load added to the plant&apos;s input, from its step on.</source>
        <translation>Eine Last, die ab ihrem Schritt zum Eingang der Strecke addiert wird.</translation>
    </message>
    <message>
        <source>The step the load begins at.</source>
        <translation>Der Schritt, an dem die Last beginnt.</translation>
    </message>
    <message>
        <source>The controller reads PV with a noise of up to this much either way.</source>
        <translation>Der Regler liest PV mit einem Rauschen von bis zu so viel nach oben oder unten.</translation>
    </message>
    <message>
        <source>The same seed gives the same noise.</source>
        <translation>Derselbe Startwert ergibt dasselbe Rauschen.</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>A plant by name; it sets K, T1, T2 and the dead time.</source>
        <translation>Eine Strecke nach Namen; sie setzt K, T1, T2 und die Totzeit.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Regler</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Conditional integration</source>
        <translation>Bedingte Integration</translation>
    </message>
    <message>
        <source>Back-calculation</source>
        <translation>Rückrechnung</translation>
    </message>
    <message>
        <source>What keeps I from winding up while X is held at 0 or 255.</source>
        <translation>Was I am Aufwickeln hindert, während X bei 0 oder 255 festgehalten wird.</translation>
    </message>
    <message>
        <source>Anti-windup</source>
        <translation>Anti-Windup</translation>
    </message>
    <message>
        <source>D on PV</source>
        <translation>D auf PV</translation>
    </message>
    <message>
        <source>D acts on PV&apos;s change, not the error&apos;s: no kick when SP changes.</source>
        <translation>D wirkt auf die Änderung von PV, nicht auf die des Fehlers: kein Stoß, wenn sich SP ändert.</translation>
    </message>
    <message>
        <source>Disturbances</source>
        <translation>Störungen</translation>
    </message>
    <message>
        <source>Own values</source>
        <translation>Eigene Werte</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Anti-windup: %1.</source>
        <translation>Anti-Windup: %1.</translation>
    </message>
    <message>
        <source>The original loop</source>
        <translation>Der ursprüngliche Regelkreis</translation>
    </message>
    <message>
        <source>First-order lag with dead time</source>
        <translation>Verzögerung erster Ordnung mit Totzeit</translation>
    </message>
    <message>
        <source>Two lags</source>
        <translation>Zwei Verzögerungen</translation>
    </message>
</context>
<context>
    <name>corvale::ResponseChart</name>
    <message>
        <source>Step response</source>
        <translation>Sprungantwort</translation>
    </message>
    <message>
        <source>Step %1: PV %2, SP %3, X %4</source>
        <translation>Schritt %1: PV %2, SP %3, X %4</translation>
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
        <translation>X bei 0 oder 255</translation>
    </message>
    <message>
        <source>rise</source>
        <translation>Anstieg</translation>
    </message>
    <message>
        <source>settled</source>
        <translation>eingeschwungen</translation>
    </message>
    <message>
        <source>peak</source>
        <translation>Spitzenwert</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>PV, SP</source>
        <translation>PV, SP</translation>
    </message>
    <message>
        <source>settled from here</source>
        <translation>ab hier eingeschwungen</translation>
    </message>
    <message>
        <source>fall</source>
        <translation>Abfall</translation>
    </message>
    <message>
        <source>lowest point</source>
        <translation>Tiefstwert</translation>
    </message>
    <message>
        <source>More in the tooltip.</source>
        <translation>Weitere Kennwerte im Tooltip.</translation>
    </message>
    <message>
        <source>Copy chart</source>
        <translation>Diagramm kopieren</translation>
    </message>
    <message>
        <source>Copy figures</source>
        <translation>Kennwerte kopieren</translation>
    </message>
    <message>
        <source>Forget earlier runs</source>
        <translation>Frühere Läufe entfernen</translation>
    </message>
    <message>
        <source>fall from here (past %1&#xa0;% of the change)</source>
        <translation>Abfall ab hier (über %1&#xa0;% der Änderung)</translation>
    </message>
    <message>
        <source>rise from here (past %1&#xa0;% of the change)</source>
        <translation>Anstieg ab hier (über %1&#xa0;% der Änderung)</translation>
    </message>
    <message>
        <source>fall to here (past %1&#xa0;% of the change)</source>
        <translation>Abfall bis hier (über %1&#xa0;% der Änderung)</translation>
    </message>
    <message>
        <source>rise to here (past %1&#xa0;% of the change)</source>
        <translation>Anstieg bis hier (über %1&#xa0;% der Änderung)</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a step&apos;s values; what the chart marks at it</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>two of the marks at one step</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Rows shown in the table</source>
        <translation>In der Tabelle sichtbare Zeilen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Tone at each step</source>
        <translation>Ton bei jedem Schritt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>PV of run %1</source>
        <translation>PV von Lauf %1</translation>
    </message>
    <message>
        <source>Step %1: %2 has no value here</source>
        <translation>Schritt %1: %2 hat hier keinen Wert</translation>
    </message>
    <message>
        <source>Step %1: %2 %3</source>
        <translation>Schritt %1: %2 %3</translation>
    </message>
    <message>
        <source>X reaches its limit %1</source>
        <translation>X erreicht seine Grenze %1</translation>
    </message>
    <message>
        <source>X leaves its limit %1</source>
        <translation>X verlässt seine Grenze %1</translation>
    </message>
    <message>
        <source>SP changes to %1</source>
        <translation>SP ändert sich auf %1</translation>
    </message>
    <message>
        <source>PV crosses SP</source>
        <translation>PV kreuzt SP</translation>
    </message>
    <message>
        <source>X at its limit %1</source>
        <translation>X an seiner Grenze %1</translation>
    </message>
    <message>
        <source>There is no sound output.</source>
        <translation>Es gibt keine Tonausgabe.</translation>
    </message>
    <message>
        <source>The figures are in the tooltip.</source>
        <translation>Die Kennwerte stehen im Tooltip.</translation>
    </message>
    <message>
        <source>This run has no marks.</source>
        <translation>Dieser Lauf hat keine Marken.</translation>
    </message>
    <message>
        <source>No mark after this step.</source>
        <translation>Nach diesem Schritt kommt keine Marke mehr.</translation>
    </message>
    <message>
        <source>No mark before this step.</source>
        <translation>Vor diesem Schritt liegt keine Marke.</translation>
    </message>
    <message>
        <source>PV does not cross SP.</source>
        <translation>PV kreuzt SP nicht.</translation>
    </message>
    <message>
        <source>No crossing of SP after this step.</source>
        <translation>Nach diesem Schritt kreuzt PV SP nicht mehr.</translation>
    </message>
    <message>
        <source>No crossing of SP before this step.</source>
        <translation>Vor diesem Schritt kreuzt PV SP nicht.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: no figures.</source>
        <translation>%1: keine Kennwerte.</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 von %2 bis %3</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Mark the rows shown in the table</source>
        <translation>Die in der Tabelle sichtbaren Zeilen markieren</translation>
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
        <translation>Den ganzen Lauf zeigen</translation>
    </message>
    <message>
        <source>Steps 1 to %1: the whole run.</source>
        <translation>Schritte 1 bis %1: der ganze Lauf.</translation>
    </message>
    <message>
        <source>Steps %1 to %2 of %3.</source>
        <translation>Schritte %1 bis %2 von %3.</translation>
    </message>
    <message>
        <source>Draw in a panel of its own</source>
        <translation>In einem eigenen Feld zeichnen</translation>
    </message>
    <message>
        <source>Choose Error, P, I or D with Up and Down, then T draws it in a panel.</source>
        <translation>Wählen Sie mit Auf und Ab Abweichung, P, I oder D; dann zeichnet T sie in einem eigenen Feld.</translation>
    </message>
    <message>
        <source>%1 drawn in a panel of its own.</source>
        <translation>%1 in einem eigenen Feld gezeichnet.</translation>
    </message>
    <message>
        <source>%1&apos;s panel hidden.</source>
        <translation>Feld von %1 ausgeblendet.</translation>
    </message>
    <message>
        <source>load %1</source>
        <comment>the load on the plant&apos;s input from here</comment>
        <translation>Last %1</translation>
    </message>
    <message>
        <source>PV without the noise</source>
        <translation>PV ohne das Rauschen</translation>
    </message>
    <message>
        <source>the load on the plant&apos;s input becomes %1</source>
        <translation>die Last am Eingang der Strecke wird %1</translation>
    </message>
    <message>
        <source>Value axis covers every run</source>
        <translation>Werteachse umfasst alle Läufe</translation>
    </message>
    <message>
        <source>%1 above</source>
        <comment>an earlier run, named as the legend names it, lies above the value axis</comment>
        <translation>%1 darüber</translation>
    </message>
    <message>
        <source>%1 below</source>
        <comment>an earlier run, named as the legend names it, lies below the value axis</comment>
        <translation>%1 darunter</translation>
    </message>
    <message>
        <source>The earlier run %1 goes off the axis above and below: its line is cut at the panel&apos;s top and foot.</source>
        <translation>Der frühere Lauf %1 verlässt die Achse nach oben und nach unten: Seine Linie ist am oberen und am unteren Rand des Felds abgeschnitten.</translation>
    </message>
    <message>
        <source>The earlier run %1 goes off the axis above: its line is cut at the panel&apos;s top.</source>
        <translation>Der frühere Lauf %1 verlässt die Achse nach oben: Seine Linie ist am oberen Rand des Felds abgeschnitten.</translation>
    </message>
    <message>
        <source>The earlier run %1 goes off the axis below: its line is cut at the panel&apos;s foot.</source>
        <translation>Der frühere Lauf %1 verlässt die Achse nach unten: Seine Linie ist am unteren Rand des Felds abgeschnitten.</translation>
    </message>
    <message>
        <source>Value axis covers every run, in the chart&apos;s menu, draws every run whole.</source>
        <comment>the menu item&apos;s text, then what it does</comment>
        <translation>Werteachse umfasst alle Läufe, im Menü des Diagramms, zeichnet jeden Lauf ganz.</translation>
    </message>
    <message>
        <source>Keys: Left and Right, a step; Page Up and Page Down, a tenth of the run; Home and End, its ends; Up and Down, the series; N and Shift+N, the next and the previous mark; C and Shift+C, the next and the previous crossing of SP; plus and minus, zoom the steps in and out; Shift+Left and Shift+Right, or the brackets, move along them; 0, the whole run; F, the figures; T, draw the chosen term in a panel of its own or hide it; P, play the series as sound; Escape, stop it; Ctrl+Enter, Compute; Ctrl+Shift+Enter, Continue.</source>
        <translation>Tasten: Links und Rechts, ein Schritt; Bild auf und Bild ab, ein Zehntel des Laufs; Pos1 und Ende, seine Enden; Auf und Ab, die Reihe; N und Umschalt+N, die nächste und die vorige Marke; C und Umschalt+C, die nächste und die vorige Stelle, an der PV SP kreuzt; Plus und Minus, die Schritte vergrößern und verkleinern; Umschalt+Links und Umschalt+Rechts, oder die eckigen Klammern, an ihnen entlang; 0, der ganze Lauf; F, die Kennwerte; T, den gewählten Anteil in einem eigenen Feld zeichnen oder es ausblenden; P, die Reihe als Ton abspielen; Esc, ihn anhalten; Strg+Eingabe, Compute; Strg+Umschalt+Eingabe, Continue.</translation>
    </message>
    <message>
        <source>SP %1 sounds first, then softly alongside.</source>
        <translation>zuerst erklingt SP %1, dann leise daneben.</translation>
    </message>
    <message>
        <source>to %1 at step %2</source>
        <comment>SP changes to a value at a step</comment>
        <translation>bei Schritt %2 auf %1</translation>
    </message>
    <message numerus="yes">
        <source>SP %1 sounds first, then softly alongside, changing %n times, first %2.</source>
        <translation>
            <numerusform>zuerst erklingt SP %1, dann leise daneben und ändert sich %n-mal, zuerst %2.</numerusform>
            <numerusform>zuerst erklingt SP %1, dann leise daneben und ändert sich %n-mal, zuerst %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>changes of SP one after the other</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>SP %1 sounds first, then softly alongside, changing %2.</source>
        <translation>zuerst erklingt SP %1, dann leise daneben und ändert sich %2.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a series&apos; range; the SP it sounds against</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>No series before %1.</source>
        <translation>Vor %1 kommt keine Reihe.</translation>
    </message>
    <message>
        <source>No series after %1.</source>
        <translation>Nach %1 kommt keine Reihe mehr.</translation>
    </message>
    <message>
        <source>Crossings of SP are marked on PV.</source>
        <translation>Die Stellen, an denen PV SP kreuzt, sind bei PV markiert.</translation>
    </message>
    <message>
        <source>No marks on %1.</source>
        <translation>%1 hat keine Marken.</translation>
    </message>
</context>
<context>
    <name>corvale::RunComparisonView</name>
    <message>
        <source>Runs compared</source>
        <translation>Läufe im Vergleich</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;Forget this run</source>
        <translation>Diesen Lauf &amp;entfernen</translation>
    </message>
    <message>
        <source>Forget &amp;earlier runs</source>
        <translation>&amp;Frühere Läufe entfernen</translation>
    </message>
    <message>
        <source>One row per run: the gains and SP it ran with, the plant and options where the runs differ in them, and the figures of its last step response. Ctrl+C copies the selected rows; Delete forgets the selected earlier runs.</source>
        <translation>Eine Zeile je Lauf: die Beiwerte und der Sollwert SP, mit denen er lief, die Strecke und die Optionen, wo sich die Läufe darin unterscheiden, und die Kennwerte seiner letzten Sprungantwort. Strg+C kopiert die ausgewählten Zeilen; Entf entfernt die ausgewählten früheren Läufe.</translation>
    </message>
</context>
<context>
    <name>corvale::SweepDialog</name>
    <message>
        <source>Sweep</source>
        <translation>Variieren</translation>
    </message>
    <message>
        <source>The box whose number changes from run to run; every other box is read as typed.</source>
        <translation>Das Feld, dessen Zahl sich von Lauf zu Lauf ändert; alle anderen Felder werden gelesen, wie sie eingegeben sind.</translation>
    </message>
    <message>
        <source>The first run&apos;s value, written as in the boxes.</source>
        <translation>Der Wert des ersten Laufs, geschrieben wie in den Feldern.</translation>
    </message>
    <message>
        <source>The last run&apos;s value; the runs between are evenly spaced.</source>
        <translation>Der Wert des letzten Laufs; die Läufe dazwischen liegen in gleichen Abständen.</translation>
    </message>
    <message>
        <source>How many runs, from %1 to %2, both ends included.</source>
        <translation>Wie viele Läufe, von %1 bis %2, beide Enden eingeschlossen.</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Wert</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Bis</translation>
    </message>
    <message>
        <source>&amp;Runs</source>
        <translation>&amp;Läufe</translation>
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
        <source>Runs</source>
        <translation>Läufe</translation>
    </message>
    <message>
        <source>Runs: %1 is out of range.

Type a whole number from %2 to %3.</source>
        <translation>Läufe: %1 liegt außerhalb des Bereichs.

Geben Sie eine ganze Zahl von %2 bis %3 ein.</translation>
    </message>
    <message>
        <source>%1 runs of the steps in Loops are %2 steps, more than a sweep runs.

A sweep runs at most %3 steps in all: choose fewer runs, or type fewer steps in Loops.</source>
        <translation>%1 Läufe mit den Schritten in Loops sind %2 Schritte, mehr als eine Variation rechnet.

Eine Variation rechnet höchstens %3 Schritte insgesamt: Wählen Sie weniger Läufe oder geben Sie in Loops weniger Schritte ein.</translation>
    </message>
    <message>
        <source>Swept %1 from %2 to %3 in %4 runs. The runs compared list them, a row each; Enter on a column there sorts them by it.</source>
        <translation>%1 von %2 bis %3 in %4 Läufen variiert. Die Läufe im Vergleich zeigen sie, je eine Zeile; die Eingabetaste in einer Spalte dort sortiert nach ihr.</translation>
    </message>
    <message>
        <source>Sweep…</source>
        <translation>Variieren …</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <comment>a box&apos;s context menu, by its label</comment>
        <translation>Menü von %1</translation>
    </message>
</context>
<context>
    <name>corvale::TranscriptBox</name>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>The transcript&apos;s rows as a table, or the run as a chart.</source>
        <translation>Die Zeilen des Protokolls als Tabelle oder der Lauf als Diagramm.</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Läufe</translation>
    </message>
    <message>
        <source>The transcript&apos;s rows as a table, the run as a chart, or the runs compared.</source>
        <translation>Die Zeilen des Protokolls als Tabelle, der Lauf als Diagramm oder die Läufe im Vergleich.</translation>
    </message>
    <message>
        <source>The transcript&apos;s rows as a table, or the runs compared.</source>
        <translation>Die Zeilen des Protokolls als Tabelle oder die Läufe im Vergleich.</translation>
    </message>
    <message>
        <source>%1 (choices: %2)</source>
        <translation>%1 (zur Wahl: %2)</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Regelkreis</translation>
    </message>
    <message>
        <source>Loop: the plant and the loop&apos;s options.</source>
        <translation>Regelkreis: die Strecke und die Optionen des Regelkreises.</translation>
    </message>
</context>
<context>
    <name>corvale::TranscriptView</name>
    <message>
        <source>Nothing selected.</source>
        <translation>Nichts ausgewählt.</translation>
    </message>
    <message>
        <source>All %1 rows selected.</source>
        <translation>Alle %1 Zeilen ausgewählt.</translation>
    </message>
    <message>
        <source>Row %1 selected.</source>
        <translation>Zeile %1 ausgewählt.</translation>
    </message>
    <message>
        <source>Rows %1 to %2 selected.</source>
        <translation>Zeilen %1 bis %2 ausgewählt.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <translation>Zeilen %1 bis %2</translation>
    </message>
    <message>
        <source>%1 of %2 selected.</source>
        <translation>Auswahl: %1, %2.</translation>
    </message>
    <message>
        <source>Nothing is selected to copy.</source>
        <translation>Nichts zum Kopieren ausgewählt.</translation>
    </message>
    <message>
        <source>Copied all %1 rows.</source>
        <translation>Alle %1 Zeilen kopiert.</translation>
    </message>
    <message>
        <source>Copied 1 row.</source>
        <translation>1 Zeile kopiert.</translation>
    </message>
    <message>
        <source>Copied %1 rows.</source>
        <translation>%1 Zeilen kopiert.</translation>
    </message>
    <message>
        <source>Copied 1 cell.</source>
        <translation>1 Zelle kopiert.</translation>
    </message>
    <message>
        <source>Copied %1 cells.</source>
        <translation>%1 Zellen kopiert.</translation>
    </message>
    <message>
        <source>Transcript menu</source>
        <translation>Menü des Protokolls</translation>
    </message>
    <message>
        <source>Nothing deleted: only the runs write the transcript.</source>
        <translation>Nichts gelöscht: Nur die Läufe schreiben das Protokoll.</translation>
    </message>
</context>
</TS>
