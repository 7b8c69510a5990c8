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
        <source>%1: %2 is not a number.

Type digits with at most one decimal separator “%3”, an optional sign and an optional exponent, for example %4, -2 or %5.</source>
        <translation>%1: %2 ist keine Zahl.

Geben Sie Ziffern mit höchstens einem Dezimaltrennzeichen »%3« ein, wahlweise mit Vorzeichen und Exponent, zum Beispiel %4, -2 oder %5.</translation>
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

One run adds at most %2 rows; press Continue for more.</source>
        <translation>Loops: %1 sind zu viele Schritte.

Ein Lauf fügt höchstens %2 Zeilen hinzu; für mehr drücken Sie Continue.</translation>
    </message>
    <message>
        <source>Step 1 cannot be computed: with %1 %2 its result leaves the range of numbers.

Nothing was changed.</source>
        <translation>Schritt 1 lässt sich nicht berechnen: Mit %1 %2 verlässt sein Ergebnis den Zahlenbereich.

Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Step %1 cannot be computed: with %2 %3 its result leaves the range of numbers.

Nothing was written for step %1; the rows before it stay.</source>
        <translation>Schritt %1 lässt sich nicht berechnen: Mit %2 %3 verlässt sein Ergebnis den Zahlenbereich.

Für Schritt %1 wurde nichts geschrieben; die Zeilen davor bleiben erhalten.</translation>
    </message>
    <message>
        <source>Step %1 would take this run past %2 million characters, the most one run adds.

Nothing was written for step %1; the rows before it stay. Press Continue for more.</source>
        <translation>Mit Schritt %1 würde dieser Lauf %2 Millionen Zeichen überschreiten, das Höchstmaß für einen Lauf.

Für Schritt %1 wurde nichts geschrieben; die Zeilen davor bleiben erhalten. Für mehr drücken Sie Continue.</translation>
    </message>
    <message>
        <source>Step %1 would take the transcript past %2 million characters, the most it keeps.

Nothing was written for step %1; the rows before it stay. Press Compute to start afresh.</source>
        <translation>Mit Schritt %1 würde das Protokoll %2 Millionen Zeichen überschreiten, das Höchstmaß, das es aufnimmt.

Für Schritt %1 wurde nichts geschrieben; die Zeilen davor bleiben erhalten. Drücken Sie Compute, um neu zu beginnen.</translation>
    </message>
    <message>
        <source>Step %1 cannot be shown: there is not enough memory for the rows.

No row of this run was kept; ask for fewer steps.</source>
        <translation>Schritt %1 lässt sich nicht anzeigen: Für die Zeilen reicht der Speicher nicht.

Keine Zeile dieses Laufs wurde behalten; verlangen Sie weniger Schritte.</translation>
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
        <translation>X lag in %2 Schritten bei %1, von Schritt %3 bis Schritt %4.</translation>
    </message>
    <message>
        <source>The last run&apos;s step, PV from %1 to SP %2:</source>
        <translation>Der Sprung des letzten Laufs, PV von %1 auf SP %2:</translation>
    </message>
    <message>
        <source>SP cannot be reached: X is at least 0, so PV never falls below 0.</source>
        <translation>SP ist nicht erreichbar: X ist mindestens 0, also fällt PV nie unter 0.</translation>
    </message>
    <message>
        <source>No step: PV already stood at SP.</source>
        <translation>Kein Sprung: PV stand schon auf SP.</translation>
    </message>
    <message>
        <source>Rise from 10 % to 90 % of the way: %1 steps (step %2 to step %3).</source>
        <translation>Anstiegszeit von 10 % auf 90 % des Sprungs: %1 Schritte (Schritt %2 bis Schritt %3).</translation>
    </message>
    <message>
        <source>PV did not rise to 90 % of the way.</source>
        <translation>PV erreichte nicht 90 % des Sprungs.</translation>
    </message>
    <message>
        <source>Peak PV %1 at step %2; overshoot %3 %.</source>
        <translation>Höchster PV %1 in Schritt %2; Überschwingen %3 %.</translation>
    </message>
    <message>
        <source>Settled within 2 % of the step from step %1.</source>
        <translation>Ab Schritt %1 eingeschwungen, innerhalb von 2 % des Sprungs.</translation>
    </message>
    <message>
        <source>Not settled within 2 % of the step.</source>
        <translation>Nicht auf 2 % des Sprungs eingeschwungen.</translation>
    </message>
    <message>
        <source>Final error %1.</source>
        <translation>Regelabweichung am Ende: %1.</translation>
    </message>
    <message>
        <source>SP cannot be reached: with the plant&apos;s gain of one half and X at most 255, PV never passes %1.</source>
        <translation>SP ist nicht erreichbar: Mit der Streckenverstärkung von einhalb und X höchstens 255 steigt PV nie über %1.</translation>
    </message>
    <message>
        <source>X never sat at 0 or 255.</source>
        <translation>X lag nie bei 0 oder 255.</translation>
    </message>
</context>
<context>
    <name>corvale::Form1</name>
    <message>
        <source>Type a number, for example 2, %1 or 1%2e3.</source>
        <translation>Geben Sie eine Zahl ein, zum Beispiel 2, %1 oder 1%2e3.</translation>
    </message>
    <message>
        <source>Proportional gain: P = Kp × Error. More of it answers harder, and overshoots more.
</source>
        <translation>Proportionalverstärkung: P = Kp × Error. Mehr davon greift kräftiger ein und schießt weiter über.
</translation>
    </message>
    <message>
        <source>Integral gain: I = Ki × the sum of the errors. More of it removes an offset sooner, and swings more.
</source>
        <translation>Integralverstärkung: I = Ki × die Summe der Fehler. Mehr davon beseitigt eine bleibende Abweichung schneller und schwingt stärker.
</translation>
    </message>
    <message>
        <source>Derivative gain: D = Kd × the error&apos;s change. More of it damps swings, and answers jumps harder.
</source>
        <translation>Differentialverstärkung: D = Kd × die Änderung des Fehlers. Mehr davon dämpft Schwingungen und reagiert heftiger auf Sprünge.
</translation>
    </message>
    <message>
        <source>Set point: the value the loop drives PV, the process value, towards.
</source>
        <translation>Sollwert: der Wert, auf den der Regelkreis PV, den Istwert, hinführt.
</translation>
    </message>
    <message>
        <source>How many steps one press of Compute or Continue adds: a whole number, at most %1.</source>
        <translation>Wie viele Schritte ein Druck auf Compute oder Continue hinzufügt: eine ganze Zahl, höchstens %1.</translation>
    </message>
    <message>
        <source>Start afresh: clear the transcript and run Loops steps from step 1.</source>
        <translation>Neu beginnen: das Protokoll leeren und Loops Schritte ab Schritt 1 rechnen.</translation>
    </message>
    <message>
        <source>Carry on from the last step for Loops more steps, with the gains as they stand now.
Its first D is Kd × Error: no error is remembered from the run before.</source>
        <translation>Vom letzten Schritt aus Loops weitere Schritte rechnen, mit den Verstärkungen, wie sie jetzt stehen.
Sein erstes D ist Kd × Error: Aus dem vorigen Lauf wird kein Fehler übernommen.</translation>
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
        <translation>Eine Zeile je Schritt. X: der Eingang der Strecke, die Stellgröße des Reglers aus dem Schritt davor, begrenzt auf 0..255.
PV: der Istwert, die Hälfte von X.  Error: SP − PV.  P, I, D: die drei Anteile des Reglers.
Hinter den Zeilen: PV als Linie, SP gestrichelt, X als blasser Balken von 0 bis 255, mit einem Dreieck, wo X bei 0 oder 255 liegt.
Strg mit dem Mausrad, +, − oder 0 macht das Fenster größer, kleiner oder wieder wie zuvor.</translation>
    </message>
</context>
</TS>
