<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <source>%1: %2 is not a number.

Type digits with at most one decimal separator “%3”, an optional sign and an optional exponent, for example “%4”, “-2” or “%5”.</source>
        <translation>%1: %2 ist keine Zahl.

Geben Sie Ziffern mit höchstens einem Dezimaltrennzeichen („%3“) ein, wahlweise mit Vorzeichen und Exponent, zum Beispiel „%4“, „-2“ oder „%5“.</translation>
    </message>
    <message>
        <source>Loops: %1 asks for too many steps.

One run adds at most %2 rows: type at most %2 in Loops, and press Continue for more.</source>
        <translation>Loops: %1 sind zu viele Schritte.

Ein Lauf fügt höchstens %2 Zeilen hinzu: Geben Sie bei Loops höchstens %2 ein und rechnen Sie mit Continue weiter.</translation>
    </message>
    <message>
        <source>Step %1 would take this run past %2 bytes of text, the most one run adds.

Nothing was written for step %1; the rows before it stay. Press Continue for more.</source>
        <translation>Mit Schritt %1 würde dieser Lauf mehr als %2 Byte Text erzeugen, das Höchstmaß für einen Lauf.

Für Schritt %1 wurde nichts geschrieben; die Zeilen davor bleiben erhalten. Mit Continue rechnen Sie weiter.</translation>
    </message>
    <message>
        <source>Step %1 would take the transcript past %2 bytes of text, the most it keeps.

Nothing was written for step %1; the rows before it stay. Press Compute to start afresh.</source>
        <translation>Mit Schritt %1 würde das Protokoll mehr als %2 Byte Text umfassen; mehr kann es nicht aufnehmen.

Für Schritt %1 wurde nichts geschrieben; die Zeilen davor bleiben erhalten. Mit Compute beginnen Sie neu.</translation>
    </message>
    <message>
        <source>Step %1 cannot be shown: there is not enough memory for the rows.

No row of this run was kept; type fewer steps in Loops.</source>
        <translation>Schritt %1 lässt sich nicht anzeigen: Der Arbeitsspeicher reicht für die Zeilen nicht aus.

Von diesem Lauf wurde keine Zeile behalten; geben Sie bei Loops weniger Schritte ein.</translation>
    </message>
    <message>
        <source>Step 1 cannot be computed: with %1 %2 its result leaves the range of numbers.

Nothing was changed. Type a number closer to 0 in %1.</source>
        <translation>Schritt 1 lässt sich nicht berechnen: Mit %1 %2 verlässt das Ergebnis den Zahlenbereich.

Es wurde nichts geändert. Geben Sie bei %1 eine Zahl näher an 0 ein.</translation>
    </message>
    <message>
        <source>Step %1 cannot be computed: with %2 %3 its result leaves the range of numbers.

Nothing was written for step %1; the rows before it stay. Type a number closer to 0 in %2.</source>
        <translation>Schritt %1 lässt sich nicht berechnen: Mit %2 %3 verlässt das Ergebnis den Zahlenbereich.

Für Schritt %1 wurde nichts geschrieben; die Zeilen davor bleiben erhalten. Geben Sie bei %2 eine Zahl näher an 0 ein.</translation>
    </message>
</context>
<context>
    <name>ResponseText</name>
    <message>
        <source>X never sat at %1.</source>
        <translation>X lag nie bei %1.</translation>
    </message>
    <message>
        <source>X sat at %1 at step %2.</source>
        <translation>X lag in Schritt %2 bei %1.</translation>
    </message>
    <message>
        <source>X sat at %1 in %2 steps, from step %3 to step %4.</source>
        <translation>X lag in insgesamt %2 Schritten bei %1, zwischen Schritt %3 und Schritt %4.</translation>
    </message>
    <message>
        <source>The last run&apos;s step, PV from %1 to SP %2:</source>
        <translation>Sprungantwort des letzten Laufs, PV von %1 auf SP %2:</translation>
    </message>
    <message>
        <source>SP cannot be reached: X is at least 0, so PV never falls below 0.</source>
        <translation>SP ist nicht erreichbar: X ist mindestens 0, daher sinkt PV nie unter 0.</translation>
    </message>
    <message>
        <source>No step: PV already stood at SP.</source>
        <translation>Kein Sprung: PV lag bereits auf SP.</translation>
    </message>
    <message>
        <source>Rise from 10 % to 90 % of the way: %1 steps (step %2 to step %3).</source>
        <translation>Anstiegszeit (10&#xa0;% bis 90&#xa0;% des Sprungs): %1 Schritte (Schritt %2 bis Schritt %3).</translation>
    </message>
    <message>
        <source>PV did not rise to 90 % of the way.</source>
        <translation>PV erreichte keine 90&#xa0;% des Sprungs.</translation>
    </message>
    <message>
        <source>Peak PV %1 at step %2; overshoot %3 %.</source>
        <translation>Spitzenwert von PV: %1 in Schritt %2; Überschwingen: %3&#xa0;%.</translation>
    </message>
    <message>
        <source>Settled within 2 % of the step from step %1.</source>
        <translation>Ab Schritt %1 eingeschwungen (Toleranzband ±2&#xa0;% des Sprungs).</translation>
    </message>
    <message>
        <source>Not settled within 2 % of the step.</source>
        <translation>Nicht eingeschwungen (Toleranzband ±2&#xa0;% des Sprungs).</translation>
    </message>
    <message>
        <source>Final error %1.</source>
        <translation>Regelabweichung im letzten Schritt: %1.</translation>
    </message>
    <message>
        <source>SP cannot be reached: with the plant&apos;s gain of one half and X at most 255, PV never passes %1.</source>
        <translation>SP ist nicht erreichbar: Die Strecke halbiert X, und X ist höchstens 255, daher steigt PV nie über %1.</translation>
    </message>
    <message>
        <source>X never sat at 0 or 255.</source>
        <translation>X lag nie bei 0 oder 255.</translation>
    </message>
    <message>
        <source>Rise from 10 % to 90 % of the way: 1 step (step %1 to step %2).</source>
        <translation>Anstiegszeit (10&#xa0;% bis 90&#xa0;% des Sprungs): 1 Schritt (Schritt %1 bis Schritt %2).</translation>
    </message>
</context>
<context>
    <name>corvale::Form1</name>
    <message>
        <source>Set point: the value the loop drives PV, the process value, towards.
</source>
        <translation>Sollwert: der Wert, auf den der Regelkreis den Istwert PV bringen soll.
</translation>
    </message>
    <message>
        <source>How many steps one press of Compute or Continue adds: a whole number, at most %1.</source>
        <translation>Wie viele Schritte ein Klick auf Compute oder Continue hinzufügt: eine ganze Zahl, höchstens %1.</translation>
    </message>
    <message>
        <source>Start afresh: clear the transcript and run Loops steps from step 1.</source>
        <translation>Neu beginnen: das Protokoll leeren und Loops Schritte ab Schritt 1 berechnen.</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>One row per step. X: the plant&apos;s input, the controller&apos;s output of the step before, limited to 0..255.
PV: the process value, half of X.  Error: SP − PV.  P, I, D: the controller&apos;s three terms.
Behind the rows: PV as a line, SP dashed, X as a pale bar from 0 to 255, with a triangle where it sits at 0 or 255.
Ctrl with the wheel, +, − or 0 makes the window larger, smaller or as it was.</source>
        <translation>Eine Zeile je Schritt. X: der Eingang der Strecke, die Stellgröße des Reglers aus dem vorigen Schritt, begrenzt auf 0..255.
PV: der Istwert, die Hälfte von X.  Error: die Regelabweichung SP − PV.  P, I, D: die drei Anteile des Reglers.
Hinter den Zeilen: PV als Linie, SP gestrichelt, X als blasser Balken von 0 bis 255, mit einem Dreieck, wo X bei 0 oder 255 liegt.
Strg mit Mausrad, + oder − vergrößert oder verkleinert das Fenster; Strg mit 0 stellt die ursprüngliche Größe wieder her.</translation>
    </message>
    <message>
        <source>Proportional gain: P = Kp × Error. More of it makes the loop react more strongly, with more overshoot.
</source>
        <translation>Proportionalbeiwert: P = Kp × Error. Je größer er ist, desto kräftiger greift der Regler ein und desto stärker ist das Überschwingen.
</translation>
    </message>
    <message>
        <source>Integral gain: I = Ki × the sum of the errors. More of it removes a steady-state error sooner, but makes the loop oscillate more.
</source>
        <translation>Integralbeiwert: I = Ki × Summe der Regelabweichungen. Je größer er ist, desto schneller verschwindet eine bleibende Regelabweichung, aber desto stärker schwingt der Regelkreis.
</translation>
    </message>
    <message>
        <source>Derivative gain: D = Kd × the change of the error. More of it damps oscillations, but reacts more strongly to sudden changes.
</source>
        <translation>Differentialbeiwert: D = Kd × Änderung der Regelabweichung. Je größer er ist, desto stärker dämpft der Regler Schwingungen, aber desto heftiger reagiert er auf sprunghafte Änderungen.
</translation>
    </message>
    <message>
        <source>Carry on from the last step for Loops more steps, with the gains and SP as they stand now.
The first of these steps has D = Kd × Error: no error is carried over from the run before.</source>
        <translation>Ab dem letzten Schritt Loops weitere Schritte berechnen, mit den Beiwerten und dem Sollwert SP, wie sie jetzt eingetragen sind.
Im ersten dieser Schritte ist D = Kd × Error: Aus dem vorigen Lauf wird keine Regelabweichung übernommen.</translation>
    </message>
    <message>
        <source>Type a number, for example “2”, “%1” or “1%2e3”.</source>
        <translation>Geben Sie eine Zahl ein, zum Beispiel „2“, „%1“ oder „1%2e3“.</translation>
    </message>
</context>
</TS>
