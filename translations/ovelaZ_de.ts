<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBase</name>
    <message>
        <location filename="../src/dialogs/AboutBase.ui" line="+6"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Quorin Version 3.2</source>
        <translation>Quorin Version 3.2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ovelaZ, a diary of the
menstrual cycle and its
fertile days, for Linux
handhelds and phones</source>
        <translation>ovelaZ, ein Tagebuch des
Menstruationszyklus und seiner
fruchtbaren Tage, für Linux-
Handhelds und Smartphones</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Support:
the ovelaZ issue tracker</source>
        <translation>Hilfe:
der Issue-Tracker von ovelaZ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>2024-2026 the ovelaZ team</source>
        <translation>2024-2026 das ovelaZ-Team</translation>
    </message>
</context>
<context>
    <name>JournalText</name>
    <message>
        <location filename="../src/journaltool/ovela_journal_commands.cpp" line="+73"/>
        <location line="+388"/>
        <location filename="../src/journaltool/ovela_journal_insight.cpp" line="+112"/>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <location line="-253"/>
        <location line="+74"/>
        <location line="+797"/>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht vorhanden</translation>
    </message>
    <message>
        <location line="-866"/>
        <location line="+5"/>
        <location line="+30"/>
        <location line="+9"/>
        <location line="+60"/>
        <location line="+4"/>
        <location line="+879"/>
        <location line="+224"/>
        <location line="+42"/>
        <location line="+23"/>
        <location line="+14"/>
        <location filename="../src/journaltool/ovela_journal_secret.cpp" line="+105"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="-1311"/>
        <source>%1 does not load as a journal; &quot;ovela-journal check %1&quot; tells why</source>
        <translation>%1 lässt sich nicht als Journal laden; &quot;ovela-journal check %1&quot; nennt den Grund</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>%1 is the journal itself; choose another file</source>
        <translation>%1 ist das Journal selbst; wählen Sie eine andere Datei</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+361"/>
        <source>format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="-359"/>
        <source>Write to &lt;file&gt; instead of standard output.</source>
        <translation>In &lt;Datei&gt; statt in die Standardausgabe schreiben.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+442"/>
        <location line="+340"/>
        <location line="+79"/>
        <location line="+113"/>
        <location line="+322"/>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location line="-1293"/>
        <source>ics: predict this many cycles from the current one. Default: 6.</source>
        <translation>ics: so viele Zyklen ab dem aktuellen vorhersagen. Standard: 6.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>--cycles takes a number from 0 to 1000</source>
        <translation>--cycles erwartet eine Zahl von 0 bis 1000</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>ovela-journal: no start-cycle date is set; the calendar holds no predictions</source>
        <translation>ovela-journal: kein Zyklusbeginn festgelegt; der Kalender enthält keine Vorhersagen</translation>
    </message>
    <message numerus="yes">
        <location line="+147"/>
        <source>%n left out (outside 36.00-38.00 °C; kept in the note)</source>
        <translation>
            <numerusform>%n weggelassen (außerhalb 36,00-38,00 °C; in der Notiz vermerkt)</numerusform>
            <numerusform>%n weggelassen (außerhalb 36,00-38,00 °C; in der Notiz vermerkt)</numerusform>
        </translation>
    </message>
    <message>
        <location line="-432"/>
        <source>the diary is open (process %1 holds %2); close it and try again. Nothing was written.</source>
        <translation>das Tagebuch ist geöffnet (Prozess %1 hält %2); schließen Sie es und versuchen Sie es erneut. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ovela-journal: cannot lock %1; writing without the lock</source>
        <translation>ovela-journal: %1 kann nicht gesperrt werden; es wird ohne Sperre geschrieben</translation>
    </message>
    <message>
        <location line="+482"/>
        <location line="+38"/>
        <location line="+349"/>
        <location line="+228"/>
        <location line="+13"/>
        <location line="+21"/>
        <location line="+84"/>
        <location line="+154"/>
        <source>. Nothing was written.</source>
        <translation>. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="-867"/>
        <source>Nothing was written. Choose which side wins with --prefer-journal or the other --prefer option.</source>
        <translation>Es wurde nichts geschrieben. Legen Sie mit --prefer-journal oder der jeweils anderen --prefer-Option fest, welche Seite Vorrang hat.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kept as in the journal</source>
        <translation>wie im Journal belassen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>start-cycle date: %1 -&gt; %2</source>
        <translation>Zyklusbeginn: %1 -&gt; %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+336"/>
        <location line="+175"/>
        <location line="+113"/>
        <location line="+53"/>
        <location line="+31"/>
        <source>%1 was not written: %2</source>
        <translation>%1 wurde nicht geschrieben: %2</translation>
    </message>
    <message>
        <location line="-696"/>
        <source>Dry run: nothing was written.</source>
        <translation>Probelauf: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>csv or json as export writes them, or drip (the CSV export of the drip app). Default: from the file.</source>
        <translation>csv oder json, wie export sie schreibt, oder drip (der CSV-Export der App drip). Standard: anhand der Datei erkannt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replace the whole journal with the file&apos;s records.</source>
        <translation>Das gesamte Journal durch die Einträge der Datei ersetzen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Where a day differs, take the file&apos;s record.</source>
        <translation>Bei abweichenden Tagen den Eintrag der Datei übernehmen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Where a day differs, keep the journal&apos;s record.</source>
        <translation>Bei abweichenden Tagen den Eintrag des Journals behalten.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+74"/>
        <source>Show what would change; write nothing.</source>
        <translation>Anzeigen, was sich ändern würde; nichts schreiben.</translation>
    </message>
    <message>
        <location line="-741"/>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>an unknown time</source>
        <translation>einem unbekannten Zeitpunkt</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>ovela-journal: the journal may be open on the computer &quot;%1&quot; (locked since %2); checking it as last saved</source>
        <translation>ovela-journal: das Journal ist vielleicht auf dem Computer &quot;%1&quot; geöffnet (gesperrt seit %2); geprüft wird der zuletzt gespeicherte Stand</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ovela-journal: the journal may be open on the computer &quot;%1&quot; (locked since %2); reading it as last saved</source>
        <translation>ovela-journal: das Journal ist vielleicht auf dem Computer &quot;%1&quot; geöffnet (gesperrt seit %2); gelesen wird der zuletzt gespeicherte Stand</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>ovela-journal: the journal is locked by the computer &quot;%1&quot; (since %2); writing anyway, as --ignore-foreign-lock asks</source>
        <translation>ovela-journal: das Journal ist vom Computer &quot;%1&quot; gesperrt (seit %2); es wird trotzdem geschrieben, wie --ignore-foreign-lock verlangt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the journal is locked by the computer &quot;%1&quot; (since %2): the diary may be open there. Nothing was written. When it is not (the lock came with a sync program, or a crash there left it), --ignore-foreign-lock writes all the same.</source>
        <translation>das Journal ist vom Computer &quot;%1&quot; gesperrt (seit %2): das Tagebuch ist dort vielleicht geöffnet. Es wurde nichts geschrieben. Ist es das nicht (die Sperre kam mit einem Synchronisationsprogramm, oder ein Absturz dort hat sie hinterlassen), schreibt --ignore-foreign-lock trotzdem.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>no backup of the journal could be made (%1). Nothing was written.</source>
        <translation>es konnte keine Sicherung des Journals angelegt werden (%1). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>standard input: %1</source>
        <translation>Standardeingabe: %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 holds more than %2 MiB; it was read no further and nothing was written</source>
        <translation>%1 enthält mehr als %2 MiB; es wurde nicht weiter gelesen und nichts geschrieben</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+805"/>
        <source>%1 inflates to more than %2 MiB, far more than any journal; it was read no further</source>
        <translation>%1 entpackt sich auf mehr als %2 MiB, weit mehr als jedes Journal; es wurde nicht weiter gelesen</translation>
    </message>
    <message>
        <location line="-744"/>
        <source>csv (the records only), json (the records, the start-cycle date and the settings), drip (a file the drip app imports) or ics (bleeding and predicted days for a calendar program). Default: csv.</source>
        <translation>csv (nur die Einträge), json (die Einträge, der Zyklusbeginn und die Einstellungen), drip (eine Datei, die die App drip importiert) oder ics (Blutungen und vorhergesagte Tage für ein Kalenderprogramm). Standard: csv.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ics: neutral summaries (&quot;P&quot; and &quot;F&quot;, or those given below) and calendar name, for a shared or work calendar.</source>
        <translation>ics: neutrale Titel (&quot;P&quot; und &quot;F&quot; oder die unten angegebenen) und Kalendername, für einen geteilten oder beruflichen Kalender.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ics: the summary of period days; implies --discreet.</source>
        <translation>ics: der Titel der Periodentage; schließt --discreet ein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>ics: the summary of fertile days; implies --discreet.</source>
        <translation>ics: der Titel der fruchtbaren Tage; schließt --discreet ein.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>unknown format &quot;%1&quot; (csv, json, drip or ics)</source>
        <translation>unbekanntes Format &quot;%1&quot; (csv, json, drip oder ics)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--%1 belongs to the ics format</source>
        <translation>--%1 gehört zum Format ics</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>ovela-journal: the record ends on %1; the calendar predicts from today, and says so in each prediction</source>
        <translation>ovela-journal: die Aufzeichnungen enden am %1; der Kalender sagt ab heute voraus und vermerkt das bei jeder Vorhersage</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cervical fluid</source>
        <translation>Zervixschleim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>doctor</source>
        <translation>Arzt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cramps</source>
        <translation>Krämpfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PMS</source>
        <translation>PMS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>love</source>
        <translation>Liebe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>protection</source>
        <translation>Verhütung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>secret</source>
        <translation>geheim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2 in the journal, %3 in %4</source>
        <translation>%1: %2 im Journal, %3 in %4</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>cycle length</source>
        <translation>Zykluslänge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>menstrual period</source>
        <translation>Menstruation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fertile period</source>
        <translation>fruchtbare Zeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>luteal phase</source>
        <translation>Lutealphase</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unit</source>
        <translation>Einheit</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%n day(s) read</source>
        <translation>
            <numerusform>%n Tag gelesen</numerusform>
            <numerusform>%n Tage gelesen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n added</source>
        <translation>
            <numerusform>%n hinzugefügt</numerusform>
            <numerusform>%n hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n changed</source>
        <translation>
            <numerusform>%n geändert</numerusform>
            <numerusform>%n geändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n unchanged</source>
        <translation>
            <numerusform>%n unverändert</numerusform>
            <numerusform>%n unverändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n kept as in the journal</source>
        <translation>
            <numerusform>%n wie im Journal belassen</numerusform>
            <numerusform>%n wie im Journal belassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n removed</source>
        <translation>
            <numerusform>%n entfernt</numerusform>
            <numerusform>%n entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n with nothing recorded</source>
        <translation>
            <numerusform>%n ohne jeden Eintrag</numerusform>
            <numerusform>%n ohne jeden Eintrag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n with only mucus &quot;dry&quot; or &quot;nothing&quot;, which the diary cannot tell from a day without a record</source>
        <translation>
            <numerusform>%n nur mit Schleim &quot;trocken&quot; oder &quot;nichts&quot;, was das Tagebuch nicht von einem Tag ohne Eintrag unterscheiden kann</numerusform>
            <numerusform>%n nur mit Schleim &quot;trocken&quot; oder &quot;nichts&quot;, was das Tagebuch nicht von einem Tag ohne Eintrag unterscheiden kann</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n skipped</source>
        <translation>
            <numerusform>%n übersprungen</numerusform>
            <numerusform>%n übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n noted: what has no field here was added to the day&apos;s note</source>
        <translation>
            <numerusform>%n mit Notiz: was hier kein Feld hat, wurde der Notiz des Tages angefügt</numerusform>
            <numerusform>%n mit Notiz: was hier kein Feld hat, wurde der Notiz des Tages angefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n rounded to the scale</source>
        <translation>
            <numerusform>%n auf die Skala gerundet</numerusform>
            <numerusform>%n auf die Skala gerundet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n marked excluded (kept in the note only)</source>
        <translation>
            <numerusform>%n als ausgeschlossen markiert (nur in der Notiz vermerkt)</numerusform>
            <numerusform>%n als ausgeschlossen markiert (nur in der Notiz vermerkt)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>temperatures: %1</source>
        <translation>Temperaturen: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n bleeding(s) marked excluded, stored as &quot;Intermenstrual&quot; (never a cycle&apos;s start)</source>
        <translation>
            <numerusform>%n als ausgeschlossen markierte Blutung, als &quot;Zwischenblutung&quot; gespeichert (nie ein Zyklusbeginn)</numerusform>
            <numerusform>%n als ausgeschlossen markierte Blutungen, als &quot;Zwischenblutung&quot; gespeichert (nie ein Zyklusbeginn)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>drip&apos;s cycle starts (isCycleStart) differ from the diary&apos;s bleeding rule on %n day(s):</source>
        <translation>
            <numerusform>Die Zyklusbeginne von drip (isCycleStart) weichen an %n Tag von der Blutungsregel des Tagebuchs ab:</numerusform>
            <numerusform>Die Zyklusbeginne von drip (isCycleStart) weichen an %n Tagen von der Blutungsregel des Tagebuchs ab:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: a start in drip, not by the bleeding rule</source>
        <translation>%1: in drip ein Zyklusbeginn, nach der Blutungsregel nicht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: a start by the bleeding rule, not in drip</source>
        <translation>%1: nach der Blutungsregel ein Zyklusbeginn, in drip nicht</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: no such journal; nothing was written. &quot;import --create&quot; makes a new one there.</source>
        <translation>%1: kein solches Journal; es wurde nichts geschrieben. &quot;import --create&quot; legt dort ein neues an.</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>ovela-journal: %n day(s) hold a different record in %1 and in the journal:</source>
        <translation>
            <numerusform>ovela-journal: %n Tag hat in %1 und im Journal einen anderen Eintrag:</numerusform>
            <numerusform>ovela-journal: %n Tage haben in %1 und im Journal einen anderen Eintrag:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+24"/>
        <source>this would leave %1 of the journal&apos;s %2 days; add --yes if that is what you want</source>
        <translation>damit blieben %1 der %2 Tage des Journals übrig; fügen Sie --yes hinzu, wenn Sie das wollen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>A real run refuses: %1.</source>
        <translation>Ein echter Lauf lehnt ab: %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>settings: as they were</source>
        <translation>Einstellungen: unverändert</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+337"/>
        <source>%1 was made.</source>
        <translation>%1 wurde angelegt.</translation>
    </message>
    <message>
        <location line="-335"/>
        <source>The journal already held all of it; nothing was written to it.</source>
        <translation>Das Journal enthielt bereits alles; es wurde nichts hineingeschrieben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+330"/>
        <source>the journal as it was is kept as %1</source>
        <translation>das Journal, wie es war, ist aufbewahrt als %1</translation>
    </message>
    <message>
        <location line="-322"/>
        <source>Write although another computer&apos;s lock is on the journal (one a sync program carried, or a crash there left).</source>
        <translation>Schreiben, obwohl die Sperre eines anderen Computers auf dem Journal liegt (von einem Synchronisationsprogramm mitgebracht oder nach einem Absturz dort zurückgeblieben).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Make the journal when it does not exist yet.</source>
        <translation>Das Journal anlegen, wenn es noch nicht existiert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Allow an import that leaves fewer than half the days of a journal of more than 30.</source>
        <translation>Einen Import erlauben, der von einem Journal mit mehr als 30 Tagen weniger als die Hälfte übrig lässt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>json: also restore the settings the file carries (lengths, goal, unit).</source>
        <translation>json: auch die Einstellungen der Datei wiederherstellen (Längen, Ziel, Einheit).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>import takes one file (&quot;-&quot; for standard input)</source>
        <translation>import erwartet genau eine Datei (&quot;-&quot; für die Standardeingabe)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--prefer-import and --prefer-journal exclude each other</source>
        <translation>--prefer-import und --prefer-journal schließen einander aus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--replace takes every record of the file; it excludes --prefer-import and --prefer-journal</source>
        <translation>--replace übernimmt jeden Eintrag der Datei; es schließt --prefer-import und --prefer-journal aus</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>unknown format &quot;%1&quot; (csv, json or drip)</source>
        <translation>unbekanntes Format &quot;%1&quot; (csv, json oder drip)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--settings needs a json file; only json carries the settings</source>
        <translation>--settings braucht eine json-Datei; nur json enthält die Einstellungen</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: %2. Nothing was written.</source>
        <translation>%1: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 carries no settings (only a json export does). Nothing was written.</source>
        <translation>%1 enthält keine Einstellungen (nur ein json-Export enthält sie). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Where a day differs, take the other journal&apos;s record.</source>
        <translation>Bei abweichenden Tagen den Eintrag des anderen Journals übernehmen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Where a day differs, keep this journal&apos;s record.</source>
        <translation>Bei abweichenden Tagen den Eintrag dieses Journals behalten.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>merge takes one other journal</source>
        <translation>merge erwartet genau ein anderes Journal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--prefer-other and --prefer-journal exclude each other</source>
        <translation>--prefer-other und --prefer-journal schließen einander aus</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>session start</source>
        <translation>Sitzungsbeginn</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>daily</source>
        <translation>täglich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>before ovela-journal</source>
        <translation>vor ovela-journal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>before a merge</source>
        <translation>vor einer Zusammenführung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>before a restore</source>
        <translation>vor einer Wiederherstellung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>conflict copy</source>
        <translation>Konfliktkopie</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+178"/>
        <source>Print pure JSON instead of a table.</source>
        <translation>Reines JSON statt einer Tabelle ausgeben.</translation>
    </message>
    <message>
        <location line="-109"/>
        <source>No backups yet in %1.</source>
        <translation>Noch keine Sicherungen in %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Backups in %1, newest first:</source>
        <translation>Sicherungen in %1, die neueste zuerst:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>does not load</source>
        <translation>lässt sich nicht laden</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n day(s), the last %1</source>
        <translation>
            <numerusform>%n Tag, der letzte %1</numerusform>
            <numerusform>%n Tage, der letzte %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no days</source>
        <translation>keine Tage</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;ovela-journal restore N&quot; brings back number N; the journal as it is now is kept first.</source>
        <translation>&quot;ovela-journal restore N&quot; holt Nummer N zurück; das Journal, wie es jetzt ist, wird vorher aufbewahrt.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>restore takes one backup: its number in &quot;ovela-journal backups&quot;, or its path</source>
        <translation>restore erwartet genau eine Sicherung: ihre Nummer in &quot;ovela-journal backups&quot; oder ihren Pfad</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>restored %1: no days</source>
        <translation>%1 wiederhergestellt: keine Tage</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>restored %1: %n day(s), the last %2</source>
        <translation>
            <numerusform>%1 wiederhergestellt: %n Tag, der letzte %2</numerusform>
            <numerusform>%1 wiederhergestellt: %n Tage, der letzte %2</numerusform>
        </translation>
    </message>
    <message>
        <location line="+48"/>
        <source>check takes at most one file</source>
        <translation>check erwartet höchstens eine Datei</translation>
    </message>
    <message>
        <location line="-955"/>
        <source>ovela-journal: the diary is open; checking the journal as last saved</source>
        <translation>ovela-journal: das Tagebuch ist geöffnet; geprüft wird der zuletzt gespeicherte Stand des Journals</translation>
    </message>
    <message>
        <location line="+991"/>
        <source>%1: loads</source>
        <translation>%1: lässt sich laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>records: %1</source>
        <translation>Einträge: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>first: %1</source>
        <translation>Erster Tag: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last: %1</source>
        <translation>Letzter Tag: %1</translation>
    </message>
    <message>
        <location line="-84"/>
        <location line="+85"/>
        <location line="+18"/>
        <source>start-cycle date: %1</source>
        <translation>Zyklusbeginn: %1</translation>
    </message>
    <message numerus="yes">
        <location line="-142"/>
        <source>there is no backup number %1; &quot;ovela-journal backups&quot; lists %n backup(s). Nothing was written.</source>
        <translation>
            <numerusform>es gibt keine Sicherung Nummer %1; &quot;ovela-journal backups&quot; listet %n Sicherung auf. Es wurde nichts geschrieben.</numerusform>
            <numerusform>es gibt keine Sicherung Nummer %1; &quot;ovela-journal backups&quot; listet %n Sicherungen auf. Es wurde nichts geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+100"/>
        <location line="+30"/>
        <source>%1: does not load</source>
        <translation>%1: lässt sich nicht laden</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+30"/>
        <source>damage: %1</source>
        <translation>Schaden: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>reads whole to byte offset %1 of the inflated stream (%2 bytes inflated)</source>
        <translation>vollständig lesbar bis Byte-Offset %1 des entpackten Datenstroms (%2 Bytes entpackt)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>whole records before the damage: %1</source>
        <translation>Vollständige Einträge vor dem Schaden: %1</translation>
    </message>
    <message>
        <location line="-37"/>
        <location line="+42"/>
        <source>&quot;ovela-journal salvage %1 -o NEW&quot; keeps what is whole.</source>
        <translation>&quot;ovela-journal salvage %1 -o NEU&quot; rettet, was vollständig ist.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The new journal to write; it must not exist yet.</source>
        <translation>Das neu zu schreibende Journal; es darf noch nicht existieren.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>salvage takes one damaged file</source>
        <translation>salvage erwartet genau eine beschädigte Datei</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>salvage needs -o NEW, the journal to write</source>
        <translation>salvage benötigt -o NEU, das zu schreibende Journal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 exists; salvage writes a new file only</source>
        <translation>%1 existiert bereits; salvage schreibt nur in eine neue Datei</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+8"/>
        <source>%1: nothing to salvage: %2</source>
        <translation>%1: nichts zu retten: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+167"/>
        <source>%1 is locked by the diary (process %2)</source>
        <translation>%1 ist vom Tagebuch gesperrt (Prozess %2)</translation>
    </message>
    <message numerus="yes">
        <location line="-159"/>
        <source>%1 is whole: all %n record(s) kept</source>
        <translation>
            <numerusform>%1 ist vollständig: der %n Eintrag wurde übernommen</numerusform>
            <numerusform>%1 ist vollständig: alle %n Einträge wurden übernommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>kept %n whole record(s) of %1 announced</source>
        <translation>
            <numerusform>%n vollständiger Eintrag von %1 angekündigten übernommen</numerusform>
            <numerusform>%n vollständige Einträge von %1 angekündigten übernommen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+322"/>
        <source>%1: no such journal; nothing was read</source>
        <translation>%1: kein solches Journal; es wurde nichts gelesen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;ovela-journal COMMAND --help&quot; describes a command.</source>
        <translation>&quot;ovela-journal BEFEHL --help&quot; beschreibt einen Befehl.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Write the journal as csv, json, drip&apos;s csv or ics.</source>
        <translation>Das Journal als csv, json, drips csv oder ics schreiben.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>List the diary&apos;s backups, newest first, with their days.</source>
        <translation>Die Sicherungen des Tagebuchs auflisten, die neueste zuerst, mit ihren Tagen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bring back a backup as the journal, keeping the journal as it is first.</source>
        <translation>Eine Sicherung als Journal zurückholen; das Journal, wie es ist, wird vorher aufbewahrt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>N is a number that &quot;ovela-journal backups&quot; shows; PATH is a backup file (a file named by digits alone is written ./NAME).</source>
        <translation>N ist eine Nummer, die &quot;ovela-journal backups&quot; zeigt; PATH ist eine Sicherungsdatei (eine Datei, deren Name nur aus Ziffern besteht, wird als ./NAME geschrieben).</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>%1 takes no file name (&quot;%2&quot;)</source>
        <translation>%1 erwartet keinen Dateinamen (&quot;%2&quot;)</translation>
    </message>
    <message>
        <location line="-510"/>
        <source>the start-cycle date was lost; set it again in the diary</source>
        <translation>Der Zyklusbeginn ging verloren; legen Sie ihn im Tagebuch neu fest</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>written to %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;ovela-journal COMMAND --help&quot; describes a command. Every command works on the diary&apos;s own journal unless --journal names another.</source>
        <translation>&quot;ovela-journal BEFEHL --help&quot; beschreibt einen Befehl. Jeder Befehl arbeitet mit dem Journal des Tagebuchs, sofern --journal kein anderes angibt.</translation>
    </message>
    <message>
        <location line="-1287"/>
        <source>ovela-journal: the diary is open; reading the journal as last saved</source>
        <translation>ovela-journal: das Tagebuch ist geöffnet; gelesen wird der zuletzt gespeicherte Stand des Journals</translation>
    </message>
    <message>
        <location line="+1450"/>
        <source>Bring in records from csv, json or drip&apos;s csv.</source>
        <translation>Einträge aus csv, json oder der CSV-Datei von drip übernehmen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bring in the records of another journal file.</source>
        <translation>Die Einträge einer anderen Journaldatei übernehmen.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Tell whether a journal file loads, and how far if not.</source>
        <translation>Prüfen, ob sich eine Journaldatei laden lässt, und wenn nicht, bis wohin.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keep every whole record of a damaged journal in a new one.</source>
        <translation>Alle vollständigen Einträge eines beschädigten Journals in ein neues retten.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>List the cycles the record shows, with the temperature shift of each.</source>
        <translation>Die erfassten Zyklen auflisten, jeweils mit ihrem Temperaturanstieg.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cycle statistics and the next period starts the record suggests.</source>
        <translation>Zyklusstatistik und der nach den Aufzeichnungen zu erwartende Beginn der nächsten Perioden.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The diary&apos;s data out, in, merged, checked and rescued, without its window.</source>
        <translation>Die Daten des Tagebuchs exportieren, importieren, zusammenführen, prüfen und retten, ohne sein Fenster zu öffnen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Work on the journal &lt;path&gt; instead of the diary&apos;s own.</source>
        <translation>Mit dem Journal &lt;Pfad&gt; statt mit dem des Tagebuchs arbeiten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>What to do (see below).</source>
        <translation>Was zu tun ist (siehe unten).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>command [options]</source>
        <translation>Befehl [Optionen]</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+23"/>
        <source>&quot;ovela-journal --help&quot; lists the commands and options.</source>
        <translation>&quot;ovela-journal --help&quot; listet die Befehle und Optionen auf.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Example:</source>
        <translation>Beispiel:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>ovela-journal: unknown command &quot;%1&quot;</source>
        <translation>ovela-journal: unbekannter Befehl &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_csv.cpp" line="+21"/>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="+27"/>
        <location filename="../src/journaltool/ovela_journal_json.cpp" line="+39"/>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>unknown cervical fluid code &quot;%1&quot;</source>
        <translation>unbekannter Zervixschleim-Code &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="+232"/>
        <source>unknown cervical fluid &quot;%1&quot;</source>
        <translation>unbekannter Zervixschleim-Wert &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the code %1 is not &quot;%2&quot;</source>
        <translation>der Code %1 entspricht nicht &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>temperature code &quot;%1&quot; is off the scale (0 to %2)</source>
        <translation>Temperatur-Code &quot;%1&quot; liegt außerhalb der Skala (0 bis %2)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>temperature %1 %2 is off the scale</source>
        <translation>Temperatur %1 %2 liegt außerhalb der Skala</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>temperature %1 %2 does not match the code %3</source>
        <translation>Temperatur %1 %2 passt nicht zum Code %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a mark is 0 or 1, not &quot;%1&quot;</source>
        <translation>eine Markierung ist 0 oder 1, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>: not UTF-8 text (byte offset %1)</source>
        <translation>: kein UTF-8-Text (Byte-Offset %1)</translation>
    </message>
    <message>
        <location line="+60"/>
        <location line="+6"/>
        <source>: a quote inside an unquoted field</source>
        <translation>: Anführungszeichen in einem Feld ohne Anführungszeichen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>: text after a closing quote</source>
        <translation>: Text nach einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>: a quoted field is never closed</source>
        <translation>: ein Feld in Anführungszeichen wird nicht geschlossen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>line 1: the file is empty</source>
        <translation>Zeile 1: die Datei ist leer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>line %1: the file ends without its final line end; it was cut short (every export ends in one)</source>
        <translation>Zeile %1: die Datei endet ohne ihr letztes Zeilenende; sie wurde abgeschnitten (jeder Export endet mit einem)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>line 1: the header is not &quot;%1&quot;</source>
        <translation>Zeile 1: die Kopfzeile lautet nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="-52"/>
        <source>line %1: %2 fields where the header has %3</source>
        <translation>Zeile %1: %2 Felder, die Kopfzeile hat aber %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="+36"/>
        <source>: &quot;%1&quot; is not a date (yyyy-mm-dd)</source>
        <translation>: &quot;%1&quot; ist kein Datum (JJJJ-MM-TT)</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="+3"/>
        <location filename="../src/journaltool/ovela_journal_json.cpp" line="+319"/>
        <source>: %1 appears a second time</source>
        <translation>: %1 kommt ein zweites Mal vor</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="-58"/>
        <source>line 1: no header row</source>
        <translation>Zeile 1: keine Kopfzeile</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>: the column &quot;%1&quot; appears twice</source>
        <translation>: die Spalte &quot;%1&quot; kommt doppelt vor</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>unknown bleeding value &quot;%1&quot;</source>
        <translation>unbekannter Blutungswert &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>line 1: the header has no &quot;date&quot; column</source>
        <translation>Zeile 1: die Kopfzeile hat keine Spalte &quot;date&quot;</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>: &quot;%1&quot; is neither true nor false</source>
        <translation>: &quot;%1&quot; ist weder true noch false</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>: &quot;%1&quot; is not a temperature</source>
        <translation>: &quot;%1&quot; ist keine Temperatur</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_ics.cpp" line="+107"/>
        <source>Cycle diary</source>
        <translation>Zyklustagebuch</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Diary</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bleeding recorded in the diary</source>
        <translation>Im Tagebuch eingetragene Blutung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An estimate by the calendar method from the cycle lengths set in the diary, not a measurement. It is no contraception.</source>
        <translation>Eine Schätzung nach der Kalendermethode aus den im Tagebuch eingestellten Zykluslängen, keine Messung. Sie ist keine Verhütung.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The record ends on %1: these dates carry its rhythm on from today.</source>
        <translation>Die Aufzeichnungen enden am %1: diese Daten setzen ihren Rhythmus ab heute fort.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Period (predicted)</source>
        <translation>Periode (vorhergesagt)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Fertile days (predicted)</source>
        <translation>Fruchtbare Tage (vorhergesagt)</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_insight.cpp" line="-78"/>
        <source>These figures describe what you recorded. They are no method of contraception on their own.</source>
        <translation>Diese Zahlen beschreiben, was Sie eingetragen haben. Für sich allein sind sie keine Verhütungsmethode.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>no completed cycle</source>
        <translation>kein abgeschlossener Zyklus</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cycles: %1</source>
        <translation>Zyklen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mean length: %1 days</source>
        <translation>Durchschnittliche Länge: %1 Tage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>median length: %1 days</source>
        <translation>Median der Länge: %1 Tage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>standard deviation: %1 days</source>
        <translation>Standardabweichung: %1 Tage</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>shortest: %n day(s)</source>
        <translation>
            <numerusform>kürzester: %n Tag</numerusform>
            <numerusform>kürzester: %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>longest: %n day(s)</source>
        <translation>
            <numerusform>längster: %n Tag</numerusform>
            <numerusform>längster: %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mean bleeding: %1 days</source>
        <translation>Durchschnittliche Blutungsdauer: %1 Tage</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No cycle yet: a cycle starts on a day with bleeding recorded.</source>
        <translation>Noch kein Zyklus: Ein Zyklus beginnt an einem Tag mit eingetragener Blutung.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bleeding</source>
        <translation>Blutung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shift confirmed</source>
        <translation>Anstieg bestätigt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LTL °C/°F</source>
        <translation>HL °C/°F</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 (day %2)</source>
        <translation>%1 (Tag %2)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Rule 0: three temperatures over the cover line (LTL), the third 0.2 °C above it; 1 and 2: the two exceptions, confirmed on the fourth day.</source>
        <translation>Regel 0: drei Temperaturen über der Hilfslinie (HL), die dritte mindestens 0,2 °C darüber; 1 und 2: die beiden Ausnahmeregeln, bestätigt am vierten Tag.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>All completed cycles</source>
        <translation>Alle abgeschlossenen Zyklen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last 12</source>
        <translation>Die letzten 12</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n cycle(s) over %1 days were taken for gaps in the record and left out.</source>
        <translation>
            <numerusform>%n Zyklus über %1 Tage wurde als Lücke in den Aufzeichnungen gewertet und weggelassen.</numerusform>
            <numerusform>%n Zyklen über %1 Tage wurden als Lücken in den Aufzeichnungen gewertet und weggelassen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The record&apos;s last cycle starts on %1: predictions for days already past are left out.</source>
        <translation>Der letzte Zyklus der Aufzeichnungen beginnt am %1: Vorhersagen für bereits vergangene Tage werden weggelassen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No prediction: the record ends too long ago.</source>
        <translation>Keine Vorhersage: die Aufzeichnungen enden zu lange zurück.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No prediction: it needs one completed cycle.</source>
        <translation>Keine Vorhersage: Dafür ist ein abgeschlossener Zyklus nötig.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next period starts (from the median of the last 12, ± one standard deviation), and what the diary&apos;s calendar shows:</source>
        <translation>Voraussichtlicher Beginn der nächsten Perioden (Median der letzten 12, ± eine Standardabweichung) und die Anzeige im Kalender des Tagebuchs:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>calendar: %1</source>
        <translation>Kalender: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>calendar: no start-cycle date set</source>
        <translation>Kalender: kein Zyklusbeginn festgelegt</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_json.cpp" line="-230"/>
        <source>, field &quot;%1&quot;: outside what the Preferences dialog allows</source>
        <translation>, Feld &quot;%1&quot;: außerhalb dessen, was der Einstellungsdialog erlaubt</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>, field &quot;%1&quot;: not one of %2</source>
        <translation>, Feld &quot;%1&quot;: keiner von %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>, field &quot;%1&quot;: </source>
        <translation>, Feld &quot;%1&quot;: </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not a date (yyyy-mm-dd)</source>
        <translation>kein Datum (JJJJ-MM-TT)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown cervical fluid code</source>
        <translation>unbekannter Zervixschleim-Code</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown cervical fluid</source>
        <translation>unbekannter Zervixschleim-Wert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>does not match the fluid&apos;s name</source>
        <translation>passt nicht zur Bezeichnung des Zervixschleims</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>off the scale (0 to %1)</source>
        <translation>außerhalb der Skala (0 bis %1)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>off the scale</source>
        <translation>außerhalb der Skala</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>does not match the temperature code</source>
        <translation>passt nicht zum Temperatur-Code</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>not true or false</source>
        <translation>weder true noch false</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a text</source>
        <translation>kein Text</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>: the file ends before its closing bracket; it was cut short</source>
        <translation>: die Datei endet vor ihrer schließenden Klammer; sie wurde abgeschnitten</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>not a journal export (no &quot;format&quot;: &quot;%1&quot;)</source>
        <translation>kein Journal-Export (&quot;format&quot;: &quot;%1&quot; fehlt)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown version %1; this program reads version %2</source>
        <translation>unbekannte Version %1; dieses Programm liest Version %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>: &quot;settings&quot; is not an object</source>
        <translation>: &quot;settings&quot; ist kein Objekt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>: settings</source>
        <translation>: Einstellungen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>: &quot;startCycleDate&quot;: not a date (yyyy-mm-dd)</source>
        <translation>: &quot;startCycleDate&quot;: kein Datum (JJJJ-MM-TT)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>: &quot;records&quot; is not a list</source>
        <translation>: &quot;records&quot; ist keine Liste</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>record %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>: not an object</source>
        <translation>: kein Objekt</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_salvage.cpp" line="+25"/>
        <source>the decompressor could not be started</source>
        <translation>der Dekompressor konnte nicht gestartet werden</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the stream inflates to more than %1 bytes; read no further</source>
        <translation>der Datenstrom ergibt entpackt mehr als %1 Bytes; nicht weiter gelesen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the gzip stream ends early (cut off)</source>
        <translation>der gzip-Datenstrom endet vorzeitig (abgeschnitten)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the gzip stream is damaged: %1</source>
        <translation>der gzip-Datenstrom ist beschädigt: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>cut off</source>
        <translation>abgeschnitten</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>its note has an odd byte count</source>
        <translation>seine Notiz hat eine ungerade Anzahl Bytes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its note is cut off</source>
        <translation>seine Notiz ist abgeschnitten</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the file is longer than %1 bytes; read no further</source>
        <translation>die Datei ist länger als %1 Bytes; nicht weiter gelesen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not a journal: it does not begin with OVELACYCLE</source>
        <translation>kein Journal: die Datei beginnt nicht mit OVELACYCLE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the journal&apos;s header is cut off</source>
        <translation>der Kopf des Journals ist abgeschnitten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>record %1 of %2: %3</source>
        <translation>Eintrag %1 von %2: %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the start-cycle date after the records is cut off</source>
        <translation>der Zyklusbeginn nach den Einträgen ist abgeschnitten</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the records end at byte %1 and %2 more bytes follow (the record count may be damaged)</source>
        <translation>die Einträge enden bei Byte %1, und danach folgen noch %2 Bytes (die Anzahl der Einträge ist vielleicht beschädigt)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>whole records found after them: %1</source>
        <translation>danach gefundene vollständige Einträge: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every record is whole, but %1</source>
        <translation>alle Einträge sind vollständig, aber %1</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_commands.cpp" line="-1475"/>
        <source>%1 holds more than %2 MiB, far more than any journal</source>
        <translation>%1 enthält mehr als %2 MiB, weit mehr als jedes Journal</translation>
    </message>
    <message>
        <location line="+580"/>
        <source>Read the other journal&apos;s passphrase from the first line of &lt;file&gt;, when it is encrypted with another one than the journal.</source>
        <translation>Die Passphrase des anderen Journals aus der ersten Zeile von &lt;Datei&gt; lesen, wenn es mit einer anderen als das Journal verschlüsselt ist.</translation>
    </message>
    <message>
        <location line="+148"/>
        <source>encrypted; not opened</source>
        <translation>verschlüsselt; nicht geöffnet</translation>
    </message>
    <message>
        <location line="+154"/>
        <source>%1: encrypted, opens and authenticates</source>
        <translation>%1: verschlüsselt, öffnet sich und ist echt</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>written to %1, encrypted as it was</source>
        <translation>nach %1 geschrieben, verschlüsselt wie zuvor</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Read the new passphrase from the first line of &lt;file&gt; instead of asking for it twice on the terminal.</source>
        <translation>Die neue Passphrase aus der ersten Zeile von &lt;Datei&gt; lesen, statt sie zweimal im Terminal zu erfragen.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>New passphrase: </source>
        <translation>Neue Passphrase: </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The same passphrase again: </source>
        <translation>Dieselbe Passphrase noch einmal: </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the two passphrases differ. Nothing was written.</source>
        <translation>die beiden Passphrasen unterscheiden sich. Es wurde nichts geschrieben.</translation>
    </message>
    <message numerus="yes">
        <location line="-12"/>
        <source>a passphrase needs at least %n character(s). Nothing was written.</source>
        <translation>
            <numerusform>eine Passphrase braucht mindestens %n Zeichen. Es wurde nichts geschrieben.</numerusform>
            <numerusform>eine Passphrase braucht mindestens %n Zeichen. Es wurde nichts geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1: no such journal; nothing was written</source>
        <translation>%1: kein solches Journal; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 is encrypted already; &quot;ovela-journal passphrase&quot; changes its passphrase</source>
        <translation>%1 ist bereits verschlüsselt; &quot;ovela-journal passphrase&quot; ändert seine Passphrase</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A forgotten passphrase cannot be recovered by anyone. The recovery key shown at the end is the only other way in.</source>
        <translation>Eine vergessene Passphrase kann niemand wiederherstellen. Der am Ende gezeigte Wiederherstellungsschlüssel ist der einzige andere Zugang.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+86"/>
        <source>%1. Nothing was written.</source>
        <translation>%1. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>%1 is encrypted.</source>
        <translation>%1 ist verschlüsselt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recovery key: %1</source>
        <translation>Wiederherstellungsschlüssel: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write the recovery key down and keep it apart from this computer: it opens the journal when the passphrase is forgotten, and it is shown only now.</source>
        <translation>Schreiben Sie den Wiederherstellungsschlüssel auf und bewahren Sie ihn getrennt von diesem Computer auf: Er öffnet das Journal, wenn die Passphrase vergessen ist, und wird nur jetzt gezeigt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>some copies stay unencrypted: %1</source>
        <translation>einige Kopien bleiben unverschlüsselt: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Its backups are encrypted too.</source>
        <translation>Seine Sicherungen sind ebenfalls verschlüsselt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The copies beside it are encrypted too; the diary&apos;s backups hold its own journal and were left as they are.</source>
        <translation>Die Kopien daneben sind ebenfalls verschlüsselt; die Sicherungen des Tagebuchs enthalten dessen eigenes Journal und blieben, wie sie waren.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The unencrypted journal to write; it must not exist yet.</source>
        <translation>Das unverschlüsselte Journal, das geschrieben wird; es darf noch nicht existieren.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>decrypt needs -o PLAIN, the journal to write</source>
        <translation>decrypt braucht -o PLAIN, das zu schreibende Journal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 exists; decrypt writes a new file only</source>
        <translation>%1 existiert; decrypt schreibt nur eine neue Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not encrypted</source>
        <translation>%1 ist nicht verschlüsselt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>written to %1, not encrypted: anyone who gets that file reads it</source>
        <translation>nach %1 geschrieben, unverschlüsselt: Wer diese Datei bekommt, kann sie lesen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 is not encrypted; &quot;ovela-journal encrypt&quot; encrypts it</source>
        <translation>%1 ist nicht verschlüsselt; &quot;ovela-journal encrypt&quot; verschlüsselt es</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The passphrase of %1 is changed; the recovery key stays the same. Backups made before open with the old passphrase or the recovery key.</source>
        <translation>Die Passphrase von %1 ist geändert; der Wiederherstellungsschlüssel bleibt gleich. Frühere Sicherungen öffnen sich mit der alten Passphrase oder dem Wiederherstellungsschlüssel.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Passphrase or recovery key for %1: </source>
        <translation>Passphrase oder Wiederherstellungsschlüssel für %1: </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>ovela-journal: that does not open %1; try again</source>
        <translation>ovela-journal: damit öffnet sich %1 nicht; bitte noch einmal</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the passphrase in %1 does not open %2</source>
        <translation>die Passphrase in %1 öffnet %2 nicht</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>Encrypt the journal and its backups with a passphrase; prints the recovery key once.</source>
        <translation>Das Journal und seine Sicherungen mit einer Passphrase verschlüsseln; zeigt den Wiederherstellungsschlüssel einmal.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Write an unencrypted copy of the encrypted journal.</source>
        <translation>Eine unverschlüsselte Kopie des verschlüsselten Journals schreiben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Change the passphrase of the encrypted journal.</source>
        <translation>Die Passphrase des verschlüsselten Journals ändern.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Read the passphrase (or the recovery key) of an encrypted journal from the first line of &lt;file&gt; instead of asking on the terminal.</source>
        <translation>Die Passphrase (oder den Wiederherstellungsschlüssel) eines verschlüsselten Journals aus der ersten Zeile von &lt;Datei&gt; lesen, statt im Terminal zu fragen.</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_secret.cpp" line="-55"/>
        <source>there is no terminal to ask the passphrase on; give it with --passphrase-file</source>
        <translation>es gibt kein Terminal, um nach der Passphrase zu fragen; geben Sie sie mit --passphrase-file an</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>no passphrase was typed</source>
        <translation>es wurde keine Passphrase eingegeben</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 holds no passphrase on its first line</source>
        <translation>%1 enthält in der ersten Zeile keine Passphrase</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <location filename="../src/platform/messagebox.cpp" line="+11"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>OvelaBackupsModel</name>
    <message>
        <location filename="../src/dialogs/OvelaBackupsModel.cpp" line="+39"/>
        <source>The start of a session</source>
        <translation>Beginn einer Sitzung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A daily copy</source>
        <translation>Tägliche Kopie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before a change by ovela-journal</source>
        <translation>Vor einer Änderung durch ovela-journal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before a merge from outside</source>
        <translation>Vor dem Einfügen einer Kopie von außen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before a restore</source>
        <translation>Vor einer Wiederherstellung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A sync program&apos;s conflict copy</source>
        <translation>Konfliktkopie eines Sync-Programms</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot be read</source>
        <translation>Nicht lesbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No days</source>
        <translation>Keine Tage</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n day, last: %1</source>
        <translation>
            <numerusform>%n Tag, zuletzt: %1</numerusform>
            <numerusform>%n Tage, zuletzt: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n days, last: %1</source>
        <translation>
            <numerusform>%n Tag, zuletzt: %1</numerusform>
            <numerusform>%n Tage, zuletzt: %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
</context>
<context>
    <name>OvelaCalendarLegend</name>
    <message>
        <location filename="../src/calendar/ovela_datebookmonth.cpp" line="+192"/>
        <source>Red ground: predicted bleeding days, counted from the start of the cycle; lighter from day to day.</source>
        <translation>Roter Grund: vorhergesagte Blutungstage, gezählt vom Beginn des Zyklus; von Tag zu Tag heller.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Green ground: predicted fertile days; darkest around the expected ovulation.</source>
        <translation>Grüner Grund: vorhergesagte fruchtbare Tage; am dunkelsten um den erwarteten Eisprung.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Heart: a fertile day, for a wish to conceive.</source>
        <translation>Herz: ein fruchtbarer Tag, für den Wunsch nach einem Kind.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No-entry sign: a fertile day, for a wish to avoid pregnancy.</source>
        <translation>Verbotszeichen: ein fruchtbarer Tag, für den Wunsch, eine Schwangerschaft zu vermeiden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Girl: a fertile day said to favour a girl.</source>
        <translation>Mädchen: ein fruchtbarer Tag, der einem Mädchen zugeschrieben wird.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Boy: a fertile day said to favour a boy.</source>
        <translation>Junge: ein fruchtbarer Tag, der einem Jungen zugeschrieben wird.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One dark drop: slight bleeding recorded.</source>
        <translation>Ein dunkler Tropfen: leichte Blutung eingetragen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Two dark drops: normal bleeding recorded.</source>
        <translation>Zwei dunkle Tropfen: normale Blutung eingetragen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Three dark drops: heavy bleeding recorded.</source>
        <translation>Drei dunkle Tropfen: starke Blutung eingetragen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hollow drop: intermenstrual bleeding recorded.</source>
        <translation>Hohler Tropfen: Zwischenblutung eingetragen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Blue corner: a note.</source>
        <translation>Blaue Ecke: eine Notiz.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pencil: something else recorded (cervical fluid, appointment, cramps, PMS, love, protection or secret).</source>
        <translation>Stift: etwas anderes eingetragen (Zervixschleim, Arzttermin, Krämpfe, PMS, Liebe, Verhütung oder Geheimnis).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Thermometer: a temperature recorded.</source>
        <translation>Thermometer: eine Temperatur eingetragen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Grey ground: a day of the month before or after.</source>
        <translation>Grauer Grund: ein Tag des Monats davor oder danach.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Frame: the selected day.</source>
        <translation>Rahmen: der ausgewählte Tag.</translation>
    </message>
</context>
<context>
    <name>OvelaCentralWidget</name>
    <message>
        <location filename="../src/calendar/ovela_central_widget.cpp" line="+199"/>
        <source>Ovela</source>
        <translation>Quorin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure, you want 
to delete all data 
 for this day?</source>
        <translation>Möchten Sie wirklich 
alle Daten dieses 
 Tages löschen?</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Put back the previous start of the cycle</source>
        <translation>Den vorherigen Zyklusbeginn wiederherstellen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Predict from them</source>
        <translation>Daraus &amp;vorhersagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No, thanks</source>
        <translation>Nein, danke</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>New cycle</source>
        <translation>Neuer Zyklus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Did a new cycle start on %1?</source>
        <translation>Hat am %1 ein neuer Zyklus begonnen?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bleeding is recorded on this day and on none of the five days before it. Yes makes it the start of the cycle.</source>
        <translation>An diesem Tag ist eine Blutung eingetragen, an keinem der fünf Tage davor. Ja macht ihn zum Beginn des Zyklus.</translation>
    </message>
    <message numerus="yes">
        <location line="+19"/>
        <source>You have recorded %n completed cycles. The calendar can predict from them: from your last recorded start, with the median length of your last 12 cycles. You can change this in the preferences.</source>
        <translation>
            <numerusform>Sie haben %n abgeschlossenen Zyklus eingetragen. Der Kalender kann daraus vorhersagen: ab Ihrem zuletzt eingetragenen Beginn, mit der mittleren Länge Ihrer letzten 12 Zyklen. Sie können das in den Einstellungen ändern.</numerusform>
            <numerusform>Sie haben %n abgeschlossene Zyklen eingetragen. Der Kalender kann daraus vorhersagen: ab Ihrem zuletzt eingetragenen Beginn, mit der mittleren Länge Ihrer letzten 12 Zyklen. Sie können das in den Einstellungen ändern.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The cycle now starts on %1.</source>
        <translation>Der Zyklus beginnt jetzt am %1.</translation>
    </message>
</context>
<context>
    <name>OvelaChartWidget</name>
    <message>
        <location filename="../src/charts/ovela_chart.cpp" line="+102"/>
        <source>Temperature chart</source>
        <translation>Temperaturkurve</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>%1: no temperature recorded</source>
        <translation>%1: keine Temperatur eingetragen</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1: %n temperatures from %2 to %3 %4</source>
        <translation>
            <numerusform>%1: %n Temperatur von %2 bis %3 %4</numerusform>
            <numerusform>%1: %n Temperaturen von %2 bis %3 %4</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>temperature shift: first higher temperature on %1, confirmed on %2, cover line %3 %4</source>
        <translation>Temperaturanstieg: erste höhere Temperatur am %1, bestätigt am %2, Hilfslinie %3 %4</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no temperature shift found</source>
        <translation>kein Temperaturanstieg gefunden</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>cover line %1</source>
        <translation>Hilfslinie %1</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Temp</source>
        <translation>Temp.</translation>
    </message>
</context>
<context>
    <name>OvelaConflictDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaConflictDialog.cpp" line="+41"/>
        <source>The other copy: %1</source>
        <translation>Die andere Kopie: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These days differ between this diary and the other copy. Choose which version stays. A day left undecided keeps your version and is asked again later.</source>
        <translation>An diesen Tagen unterscheiden sich dieses Tagebuch und die andere Kopie. Wählen Sie, welche Fassung bleibt. Ein offener Tag behält Ihre Fassung und wird später erneut gefragt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Keep &amp;mine</source>
        <translation>&amp;Meine behalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keeps this diary&apos;s version of the selected days</source>
        <translation>Behält für die gewählten Tage die Fassung dieses Tagebuchs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Take the other</source>
        <translation>&amp;Die andere übernehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Takes the other copy&apos;s version of the selected days</source>
        <translation>Übernimmt für die gewählten Tage die Fassung der anderen Kopie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Keep all mine</source>
        <translation>&amp;Alle meine behalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keeps this diary&apos;s version of every day</source>
        <translation>Behält für alle Tage die Fassung dieses Tagebuchs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take &amp;all the other</source>
        <translation>Alle a&amp;nderen übernehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Takes the other copy&apos;s version of every day</source>
        <translation>Übernimmt für alle Tage die Fassung der anderen Kopie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes; undecided days are asked again later</source>
        <translation>Schließt; offene Tage werden später erneut gefragt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Days changed in two places</source>
        <translation>An zwei Orten geänderte Tage</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Days that differ</source>
        <translation>Abweichende Tage</translation>
    </message>
</context>
<context>
    <name>OvelaConflictModel</name>
    <message>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+48"/>
        <source>%1: %2 / %3</source>
        <translation>%1: %2 / %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+20"/>
        <location line="+44"/>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+63"/>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+21"/>
        <source>unknown (%1)</source>
        <translation>unbekannt (%1)</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>%1 °F</source>
        <translation>%1 °F</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no record</source>
        <translation>kein Eintrag</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+1"/>
        <source>an empty record</source>
        <translation>ein leerer Eintrag</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Keep mine</source>
        <translation>Meine behalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Take the other</source>
        <translation>Die andere übernehmen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Undecided</source>
        <translation>Offen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cycle start</source>
        <translation>Zyklusbeginn</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Mine / the other copy</source>
        <translation>Meine / andere</translation>
    </message>
</context>
<context>
    <name>OvelaCyclePredictionsModel</name>
    <message>
        <location filename="../src/charts/ovela_cycle_predictions_model.cpp" line="+54"/>
        <source>no start-cycle date set</source>
        <translation>kein Zyklusbeginn festgelegt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Expected start</source>
        <translation>Erwarteter Beginn</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Earliest</source>
        <translation>Frühestens</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Latest</source>
        <translation>Spätestens</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Diary&apos;s calendar</source>
        <translation>Kalender des Tagebuchs</translation>
    </message>
</context>
<context>
    <name>OvelaCycleStatisticsModel</name>
    <message>
        <location filename="../src/charts/ovela_cycle_statistics_model.cpp" line="+70"/>
        <source>Figure</source>
        <translation>Kennzahl</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All cycles</source>
        <translation>Alle Zyklen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last 12</source>
        <translation>Letzte 12</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Completed cycles</source>
        <translation>Abgeschlossene Zyklen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mean length (days)</source>
        <translation>Mittlere Länge (Tage)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Median length (days)</source>
        <translation>Median der Länge (Tage)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Standard deviation (days)</source>
        <translation>Standardabweichung (Tage)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shortest (days)</source>
        <translation>Kürzester (Tage)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Longest (days)</source>
        <translation>Längster (Tage)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mean bleeding (days)</source>
        <translation>Mittlere Blutung (Tage)</translation>
    </message>
</context>
<context>
    <name>OvelaCyclesModel</name>
    <message>
        <location filename="../src/charts/ovela_cycles_model.cpp" line="+69"/>
        <source>current</source>
        <translation>laufend</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <location line="+5"/>
        <source>no shift found</source>
        <translation>kein Anstieg gefunden</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+5"/>
        <source>%1 (day %2)</source>
        <translation>%1 (Tag %2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bleeding days</source>
        <translation>Blutungstage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First higher day</source>
        <translation>Erster höherer Tag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shift confirmed</source>
        <translation>Anstieg bestätigt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cover line</source>
        <translation>Hilfslinie</translation>
    </message>
</context>
<context>
    <name>OvelaCyclesWidget</name>
    <message>
        <location filename="../src/charts/ovela_cycles_widget.cpp" line="+41"/>
        <source>Cycle figures</source>
        <translation>Zykluszahlen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your cycles</source>
        <translation>Ihre Zyklen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cycle statistics</source>
        <translation>Zyklusstatistik</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Next period starts</source>
        <translation>Nächste Periodenbeginne</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Cycles</source>
        <translation>Zyklen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Next periods</source>
        <translation>Nächste Perioden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>These figures describe what you recorded. They are no method of contraception on their own.</source>
        <translation>Diese Zahlen beschreiben, was Sie eingetragen haben. Für sich allein sind sie keine Verhütungsmethode.</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>No cycle yet: a cycle starts on a day with bleeding recorded.</source>
        <translation>Noch kein Zyklus: ein Zyklus beginnt an einem Tag mit eingetragener Blutung.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Today is day %1 of your cycle, which started on %2.</source>
        <translation>Heute ist Tag %1 Ihres Zyklus, der am %2 begann.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The last cycle in your record started on %1.</source>
        <translation>Der letzte Zyklus in Ihren Einträgen begann am %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your last recorded cycle starts on %1.</source>
        <translation>Ihr zuletzt eingetragener Zyklus beginnt am %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your next period is expected on %1.</source>
        <translation>Ihre nächste Periode wird am %1 erwartet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your next period is expected on %1 (between %2 and %3).</source>
        <translation>Ihre nächste Periode wird am %1 erwartet (zwischen %2 und %3).</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n cycle(s) over %1 days were taken for gaps in the record and left out.</source>
        <translation>
            <numerusform>%n Zyklus über %1 Tage wurde als Lücke in den Aufzeichnungen gewertet und weggelassen.</numerusform>
            <numerusform>%n Zyklen über %1 Tage wurden als Lücken in den Aufzeichnungen gewertet und weggelassen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No prediction: the record ends too long ago.</source>
        <translation>Keine Vorhersage: die Aufzeichnungen enden zu lange zurück.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No prediction: it needs one completed cycle.</source>
        <translation>Keine Vorhersage: Dafür ist ein abgeschlossener Zyklus nötig.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>From the median length of the last 12 cycles, give or take one standard deviation.</source>
        <translation>Aus dem Median der Länge der letzten 12 Zyklen, plus oder minus eine Standardabweichung.</translation>
    </message>
</context>
<context>
    <name>OvelaDateBookMonth</name>
    <message>
        <location filename="../src/calendar/ovela_datebookmonth.cpp" line="+668"/>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Days of the month</source>
        <translation>Tage des Monats</translation>
    </message>
</context>
<context>
    <name>OvelaDateBookMonthHeader</name>
    <message>
        <location line="-207"/>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>OvelaDayItemMonth</name>
    <message>
        <location line="-455"/>
        <source>bleeding day %1</source>
        <translation>Blutungstag %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>fertile</source>
        <translation>fruchtbar</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>temperature %1 %2</source>
        <translation>Temperatur %1 %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>doctor&apos;s appointment</source>
        <translation>Arzttermin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cramps</source>
        <translation>Krämpfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PMS</source>
        <translation>PMS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>love</source>
        <translation>Geschlechtsverkehr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>protection</source>
        <translation>geschützter Verkehr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>secret</source>
        <translation>geheim</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a note</source>
        <translation>eine Notiz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>nothing recorded</source>
        <translation>nichts eingetragen</translation>
    </message>
</context>
<context>
    <name>OvelaJournalBackups</name>
    <message>
        <location filename="../src/core/ovela_journal_backups.cpp" line="+77"/>
        <source>cannot create the backups folder %1</source>
        <translation>der Ordner für Sicherungen %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>cannot copy %1 to %2: %3</source>
        <translation>%1 kann nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>cannot encrypt %1: %2</source>
        <translation>%1 kann nicht verschlüsselt werden: %2</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot encrypt %1</source>
        <translation>kann nicht verschlüsseln: %1</translation>
    </message>
</context>
<context>
    <name>OvelaJournalFile</name>
    <message>
        <location filename="../src/core/ovela_journal_file.cpp" line="+266"/>
        <source>cannot move the unreadable journal %1 aside</source>
        <translation>das unlesbare Tagebuch %1 kann nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>an unreadable journal is still at %1</source>
        <translation>unter %1 liegt noch ein unlesbares Tagebuch</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>a note is too long to be stored</source>
        <translation>eine Notiz ist zu lang, um gespeichert zu werden</translation>
    </message>
    <message>
        <location line="-75"/>
        <source>cannot create a file in %1: %2</source>
        <translation>in %1 kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <location line="-235"/>
        <source>ovelaZ: cannot create the lock file %1; running without it</source>
        <translation>ovelaZ: die Sperrdatei %1 kann nicht angelegt werden; es geht ohne sie weiter</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>ovelaZ: %1; it will not be replaced</source>
        <translation>ovelaZ: %1; es wird nicht ersetzt</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ovelaZ: the journal %1 could not be read; kept as %2</source>
        <translation>ovelaZ: das Tagebuch %1 konnte nicht gelesen werden; aufbewahrt als %2</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the journal was changed by another program or device</source>
        <translation>das Tagebuch wurde von einem anderen Programm oder Gerät geändert</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ovelaZ: the journal was not saved: %1</source>
        <translation>ovelaZ: das Tagebuch wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>cannot rename %1 to %2: %3</source>
        <translation>%1 kann nicht in %2 umbenannt werden: %3</translation>
    </message>
    <message>
        <location line="+56"/>
        <location line="+6"/>
        <location line="+23"/>
        <location line="+5"/>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+27"/>
        <source>cannot sync %1: %2</source>
        <translation>%1 kann nicht auf den Datenträger geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+27"/>
        <source>%1 does not read back as written (disk full?)</source>
        <translation>%1 liest sich nicht so zurück, wie es geschrieben wurde (Datenträger voll?)</translation>
    </message>
    <message>
        <location line="-419"/>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <location line="+147"/>
        <location line="+27"/>
        <source>the encrypted journal %1 cannot be opened: %2</source>
        <translation>das verschlüsselte Journal %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>the encrypted journal at %1 is not open; it will not be replaced</source>
        <translation>das verschlüsselte Journal unter %1 ist nicht geöffnet; es wird nicht ersetzt</translation>
    </message>
</context>
<context>
    <name>OvelaJournalSeal</name>
    <message>
        <location filename="../src/core/ovela_journal_seal.cpp" line="+474"/>
        <source>it is not an encrypted journal</source>
        <translation>es ist kein verschlüsseltes Journal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the passphrase or recovery key does not open it</source>
        <translation>die Passphrase oder der Wiederherstellungsschlüssel öffnet es nicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it fails authentication: it was damaged or tampered with</source>
        <translation>es ist nicht echt: es wurde beschädigt oder verändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it was encrypted by a newer version of the diary</source>
        <translation>es wurde von einer neueren Version des Tagebuchs verschlüsselt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>there is not enough memory to check the passphrase</source>
        <translation>es ist nicht genug Speicher da, um die Passphrase zu prüfen</translation>
    </message>
</context>
<context>
    <name>OvelaLegendDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaLegendDialog.cpp" line="+40"/>
        <source>Calendar legend</source>
        <translation>Zeichenerklärung des Kalenders</translation>
    </message>
</context>
<context>
    <name>OvelaMainWindow</name>
    <message>
        <location filename="../src/app/ovela_main_widget.cpp" line="+105"/>
        <location line="+577"/>
        <location line="+75"/>
        <location line="+101"/>
        <location line="+53"/>
        <location line="+9"/>
        <source>Quorin</source>
        <translation>Quorin</translation>
    </message>
    <message>
        <location line="-729"/>
        <source>The folder %1 cannot be written to.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The diary&apos;s folder
%1
cannot be written to.
Entries made now cannot be saved.</source>
        <translation>In den Ordner des Tagebuchs
%1
kann nicht geschrieben werden.
Neue Einträge können nicht gespeichert werden.</translation>
    </message>
    <message>
        <location line="+39"/>
        <location line="+631"/>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="-610"/>
        <source>Your entries are not saved. The diary %1 could not be written: %2</source>
        <translation>Ihre Einträge sind nicht gespeichert. Das Tagebuch %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose between the versions of the days that differ</source>
        <translation>Zwischen den Fassungen der abweichenden Tage wählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Merge the conflict copy into the diary</source>
        <translation>Die Konfliktkopie ins Tagebuch übernehmen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>A sync program left a conflict copy of the journal: %1. Merge it to bring its days in; it is then kept with the backups.</source>
        <translation>Ein Synchronisationsprogramm hat eine Konfliktkopie des Tagebuchs hinterlassen: %1. Führen Sie sie zusammen, um ihre Tage zu übernehmen; sie wird danach bei den Sicherungen aufbewahrt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a backup could not be made (%1); it is tried again at the next save</source>
        <translation>eine Sicherung konnte nicht angelegt werden (%1); beim nächsten Speichern wird es erneut versucht</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Some days differ between this diary and another copy of it. They keep your version until you choose.</source>
        <translation>Einige Tage unterscheiden sich zwischen diesem Tagebuch und einer anderen Kopie davon. Sie behalten Ihre Fassung, bis Sie wählen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>another copy of the journal</source>
        <translation>einer anderen Kopie des Tagebuchs</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The backup
%1
could not be read.</source>
        <translation>Die Sicherung
%1
konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The journal as it is could not be kept as a backup, so nothing was restored:
%1</source>
        <translation>Das Tagebuch konnte in seinem jetzigen Zustand nicht gesichert werden, darum wurde nichts wiederhergestellt:
%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The backup of %1 is restored; the journal as it was is kept as a backup.</source>
        <translation>Die Sicherung vom %1 ist wiederhergestellt; das Tagebuch, wie es war, ist als Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>C&amp;ycles</source>
        <translation>&amp;Zyklen</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Show the month calendar</source>
        <translation>Monatskalender anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the month&apos;s temperatures as a chart</source>
        <translation>Temperaturen des Monats als Kurve anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List the month&apos;s temperatures</source>
        <translation>Temperaturen des Monats auflisten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your cycles, their statistics and the next period starts</source>
        <translation>Ihre Zyklen, ihre Statistik und die nächsten Periodenbeginne</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Go to today in the calendar</source>
        <translation>Im Kalender zum heutigen Tag springen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete every day of the diary</source>
        <translation>Alle Tage des Tagebuchs löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go back to the journal as a backup holds it</source>
        <translation>Zum Tagebuch zurückkehren, wie eine Sicherung es enthält</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cycle lengths, goal, temperature scale and pass code</source>
        <translation>Zykluslängen, Ziel, Temperatureinheit und Zugangscode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About this program</source>
        <translation>Über dieses Programm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Record the selected day</source>
        <translation>Einträge für den ausgewählten Tag erfassen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete what the selected day holds</source>
        <translation>Einträge des ausgewählten Tages löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The selected day is the first day of the current cycle</source>
        <translation>Den ausgewählten Tag als ersten Tag des aktuellen Zyklus festlegen</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Are you sure, you want 
to delete all data 
 from your diary?</source>
        <translation>Möchten Sie wirklich 
alle Daten aus Ihrem 
 Tagebuch löschen?</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The diary may also be open on the computer &quot;%1&quot; (since %2). What is saved there is brought in here when it arrives.</source>
        <translation>Das Tagebuch ist vielleicht auch auf dem Computer &quot;%1&quot; geöffnet (seit %2). Was dort gespeichert wird, wird hier übernommen, sobald es ankommt.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The diary is already open in another window.
This one will now close.</source>
        <translation>Das Tagebuch ist bereits in einem anderen Fenster geöffnet.
Dieses Fenster wird jetzt geschlossen.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Enter password code:</source>
        <translation>Zugangscode eingeben:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Invalid password code. Application 
will now exit</source>
        <translation>Ungültiger Zugangscode. Das Programm 
wird jetzt beendet.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The diary file could not be read.
It was kept as
%1
and a new, empty diary was started.</source>
        <translation>Die Tagebuchdatei konnte nicht gelesen werden.
Sie wurde aufbewahrt als
%1
und ein neues, leeres Tagebuch wurde angelegt.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The diary file
%1
could not be read and is left as it is.
Entries made now will not be saved.</source>
        <translation>Die Tagebuchdatei
%1
konnte nicht gelesen werden und bleibt unverändert.
Neue Einträge werden nicht gespeichert.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Your latest entries could not be saved to
%1
%2</source>
        <translation>Ihre letzten Einträge konnten nicht gespeichert werden unter
%1
%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save a copy as...</source>
        <translation>Kopie speichern unter...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close without saving</source>
        <translation>Ohne Speichern schließen</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Save a copy as</source>
        <translation>Kopie speichern unter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Diary files (*.ovd)</source>
        <translation>Tagebuchdateien (*.ovd)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The copy could not be saved to
%1
%2</source>
        <translation>Die Kopie konnte nicht gespeichert werden unter
%1
%2</translation>
    </message>
    <message>
        <location line="-772"/>
        <location line="+1"/>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Day</source>
        <translation>&amp;Tag</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>More commands</source>
        <translation>Weitere Befehle</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Save warning</source>
        <translation>Speicherwarnung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your entries are not saved</source>
        <translation>Ihre Einträge sind nicht gespeichert</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Try to save the diary again</source>
        <translation>Das Tagebuch erneut speichern</translation>
    </message>
    <message>
        <location line="+227"/>
        <source>&amp;Calendar</source>
        <translation>&amp;Kalender</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Temperature chart</source>
        <translation>&amp;Temperaturkurve</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Temperature &amp;history</source>
        <translation>Temperatur&amp;liste</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Previous Month</source>
        <translation>&amp;Vorheriger Monat</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Next Month</source>
        <translation>&amp;Nächster Monat</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Goto Today</source>
        <translation>&amp;Zu heute springen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>C&amp;lear Database</source>
        <translation>Tagebuch &amp;leeren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Restore from a backup...</source>
        <translation>Aus einer Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Preferences ...</source>
        <translation>&amp;Einstellungen ...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;About ...</source>
        <translation>&amp;Über ...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Set Start Cycle Date</source>
        <translation>&amp;Zyklusbeginn festlegen</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Show the month before</source>
        <translation>Den Vormonat zeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the month after</source>
        <translation>Den Folgemonat zeigen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close the diary</source>
        <translation>Das Tagebuch schließen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Calendar &amp;Legend</source>
        <translation>&amp;Erklärung der Zeichen</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>What the calendar&apos;s colours and symbols mean</source>
        <translation>Was die Farben und Zeichen des Kalenders bedeuten</translation>
    </message>
    <message>
        <location line="+174"/>
        <source>The diary is encrypted. Enter its passphrase or recovery key:</source>
        <translation>Das Tagebuch ist verschlüsselt. Geben Sie seine Passphrase oder seinen Wiederherstellungs­schlüssel ein:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The diary file
%1
is damaged or has been tampered with: it does not read back as it was written. Nothing was opened, and the file is left as it is.

The command &quot;ovela-journal salvage&quot; keeps what can still be read of it.</source>
        <translation>Die Tagebuchdatei
%1
ist beschädigt oder wurde manipuliert: Sie liest sich nicht so, wie sie geschrieben wurde. Nichts wurde geöffnet, und die Datei bleibt, wie sie ist.

Der Befehl &quot;ovela-journal salvage&quot; rettet, was sich noch lesen lässt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The diary file
%1
cannot be opened: %2
It is left as it is.</source>
        <translation>Die Tagebuchdatei
%1
lässt sich nicht öffnen: %2
Sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The diary file
%1
changed while it was opened and cannot be read now: %2
It is left as it is; entries made now will not be saved.</source>
        <translation>Die Tagebuchdatei
%1
hat sich beim Öffnen geändert und lässt sich jetzt nicht lesen: %2
Sie bleibt, wie sie ist; jetzt gemachte Einträge werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>OvelaNewPassphraseDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaPassphraseDialogs.cpp" line="+153"/>
        <source>New passphrase</source>
        <translation>Neue Passphrase</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The journal and every copy the diary writes of it will be encrypted with this passphrase. Any characters, at least %1; a few unusual words are easy to remember and hard to guess.</source>
        <translation>Das Tagebuch und jede Kopie, die davon geschrieben wird, werden mit dieser Passphrase verschlüsselt. Beliebige Zeichen, mindestens %1; einige ungewöhnliche Wörter sind leicht zu merken und schwer zu erraten.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Passphrase:</source>
        <translation>&amp;Passphrase:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Repeat the passphrase:</source>
        <translation>Passphrase &amp;wiederholen:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;b&gt;Nobody can recover a forgotten passphrase&lt;/b&gt;: not you, not the makers of this program, not anyone. Without the passphrase or the recovery key the journal cannot be opened again.</source>
        <translation>&lt;b&gt;Eine vergessene Passphrase kann niemand wiederherstellen&lt;/b&gt;: weder Sie noch die Entwickler dieses Programms noch sonst jemand. Ohne die Passphrase oder den Wiederherstellungs­schlüssel lässt sich das Tagebuch nie wieder öffnen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Passphrase</source>
        <translation>Passphrase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repeat the passphrase</source>
        <translation>Passphrase wiederholen</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The two entries differ.</source>
        <translation>Die beiden Eingaben unterscheiden sich.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Too short: at least %1 characters.</source>
        <translation>Zu kurz: mindestens %1 Zeichen.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Weak: easy to guess. Make it longer.</source>
        <translation>Schwach: leicht zu erraten. Machen Sie sie länger.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fair: a few more characters make it much harder to guess.</source>
        <translation>Mittel: einige Zeichen mehr machen sie viel schwerer zu erraten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strong.</source>
        <translation>Stark.</translation>
    </message>
</context>
<context>
    <name>OvelaOutsideChanges</name>
    <message>
        <location filename="../src/app/ovela_outside_changes.cpp" line="+143"/>
        <source>The journal on disk was changed elsewhere and cannot be read yet; your entries are kept here and it is tried again in a few seconds.</source>
        <translation>Das Tagebuch auf der Festplatte wurde anderswo geändert und kann noch nicht gelesen werden; Ihre Einträge bleiben hier erhalten, und in einigen Sekunden wird es erneut versucht.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>another copy of the journal</source>
        <translation>einer anderen Kopie des Tagebuchs</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Brought in from %1: %2 days added or changed, %3 removed.</source>
        <translation>Übernommen aus %1: %2 Tage hinzugefügt oder geändert, %3 entfernt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The start of the cycle is now %1.</source>
        <translation>Der Zyklus beginnt jetzt am %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Days that differ on both sides keep your version until you choose.</source>
        <translation>Tage, die sich auf beiden Seiten unterscheiden, behalten Ihre Fassung, bis Sie wählen.</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>The conflict copy %1 could not be read; it is left where it is.</source>
        <translation>Die Konfliktkopie %1 konnte nicht gelesen werden; sie bleibt, wo sie ist.</translation>
    </message>
    <message>
        <location line="-167"/>
        <source>The journal on disk was encrypted elsewhere with another passphrase. Your entries are kept here; when the diary closes, that journal is set aside beside yours, still encrypted, and yours is saved.</source>
        <translation>Das Tagebuch auf dem Datenträger wurde anderswo mit einer anderen Passphrase verschlüsselt. Ihre Einträge bleiben hier erhalten; wenn das Tagebuch geschlossen wird, wird jenes verschlüsselt daneben aufbewahrt und Ihres gespeichert.</translation>
    </message>
    <message>
        <location line="+198"/>
        <source>The journal %1 is encrypted with another passphrase than this diary. Enter that passphrase or its recovery key to bring its days in:</source>
        <translation>Das Tagebuch %1 ist mit einer anderen Passphrase verschlüsselt als dieses. Geben Sie diese Passphrase oder seinen Wiederherstellungs­schlüssel ein, um seine Tage zu übernehmen:</translation>
    </message>
</context>
<context>
    <name>OvelaPreferencesBase</name>
    <message>
        <location filename="../src/dialogs/OvelaPreferencesBase.ui" line="+6"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Periods</source>
        <translation>Zeiträume</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+17"/>
        <location line="+7"/>
        <location line="+27"/>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Menstrual Period</source>
        <translation>Menstruation</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Fertile Period</source>
        <translation>Fruchtbare Phase</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cycle Length</source>
        <translation>Zykluslänge</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Luteal Phase Length</source>
        <translation>Länge der Lutealphase</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>My Goal</source>
        <translation>Mein Ziel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Conceive a boy</source>
        <translation>Einen Jungen bekommen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Conceive a girl</source>
        <translation>Ein Mädchen bekommen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Conceive a child (any gender)</source>
        <translation>Ein Kind bekommen (Geschlecht egal)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Avoid Pregnancy</source>
        <translation>Schwangerschaft vermeiden</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Security &amp;&amp;  Other</source>
        <translation>Sicherheit &amp;&amp; Sonstiges</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Security Settings</source>
        <translation>Sicherheitseinstellungen</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Change passcode</source>
        <translation>Zugangscode ändern</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Clear passcode</source>
        <translation>Zugangscode löschen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Require pass code at startup</source>
        <translation>Zugangscode beim Start verlangen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Temperature Format</source>
        <translation>Temperatureinheit</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Celsius C</source>
        <translation>Celsius C</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Fahrenheit F</source>
        <translation>Fahrenheit F</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+6"/>
        <source>First Day of the Week</source>
        <translation>Erster Wochentag</translation>
    </message>
</context>
<context>
    <name>OvelaPreferencesBaseDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaPreferencesBase.cpp" line="+43"/>
        <source>As in my region</source>
        <translation>Wie in meiner Region</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Security and Other</source>
        <translation>Sicherheit und Sonstiges</translation>
    </message>
</context>
<context>
    <name>OvelaPreferencesDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaPreferencesDialog.cpp" line="+123"/>
        <location line="+4"/>
        <location line="+4"/>
        <location line="+176"/>
        <location line="+12"/>
        <location line="+2"/>
        <location line="+21"/>
        <location line="+33"/>
        <source>Quorin</source>
        <translation>Quorin</translation>
    </message>
    <message>
        <location line="-251"/>
        <source>Cycle period length must 
be between 23 and 35 days!</source>
        <translation>Die Zykluslänge muss 
zwischen 23 und 35 Tagen liegen!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fertile period length must 
be between 1 and 8 days!</source>
        <translation>Die fruchtbare Phase muss 
zwischen 1 und 8 Tagen lang sein!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Menstrual period length must 
be between 1 and 8 days!</source>
        <translation>Die Menstruation muss 
zwischen 1 und 8 Tagen lang sein!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+71"/>
        <source>Ovela</source>
        <translation>Quorin</translation>
    </message>
    <message>
        <location line="-70"/>
        <source>Luter Phase length must 
be between 12 and 16 days!</source>
        <translation>Die Lutealphase muss 
zwischen 12 und 16 Tagen lang sein!</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Enter password code</source>
        <translation>Zugangscode eingeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Re-enter password code</source>
        <translation>Zugangscode wiederholen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sorry, but your passwords 
must match!</source>
        <translation>Die beiden Zugangscodes müssen 
übereinstimmen!</translation>
    </message>
    <message>
        <location line="-162"/>
        <source>Predict from my &amp;recorded cycles</source>
        <translation>Aus meinen &amp;eingetragenen Zyklen vorhersagen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The calendar counts from your last recorded cycle start with the median length of your last 12 completed cycles</source>
        <translation>Der Kalender zählt ab Ihrem zuletzt eingetragenen Zyklusbeginn mit der mittleren Länge (Median) Ihrer letzten 12 abgeschlossenen Zyklen</translation>
    </message>
    <message numerus="yes">
        <location line="+174"/>
        <source>Typed: %n days</source>
        <translation>
            <numerusform>Eingegeben: %n Tag</numerusform>
            <numerusform>Eingegeben: %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>From your cycles: %n days</source>
        <translation>
            <numerusform>Aus Ihren Zyklen: %n Tag</numerusform>
            <numerusform>Aus Ihren Zyklen: %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>From your cycles: none yet</source>
        <translation>Aus Ihren Zyklen: noch keine</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>The median of your last %n completed cycles</source>
        <translation>
            <numerusform>Der Median Ihres letzten %n abgeschlossenen Zyklus</numerusform>
            <numerusform>Der Median Ihrer letzten %n abgeschlossenen Zyklen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Encrypt the journal...</source>
        <translation>Tagebuch verschlüsseln...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypt the journal and its copies with a passphrase</source>
        <translation>Das Tagebuch und seine Kopien mit einer Passphrase verschlüsseln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change passphrase...</source>
        <translation>Passphrase ändern...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypt the journal with a new passphrase</source>
        <translation>Das Tagebuch mit einer neuen Passphrase verschlüsseln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop encrypting...</source>
        <translation>Verschlüsselung beenden...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write the journal unencrypted again</source>
        <translation>Das Tagebuch wieder unverschlüsselt schreiben</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The journal is encrypted.</source>
        <translation>Das Tagebuch ist verschlüsselt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The journal is not encrypted.</source>
        <translation>Das Tagebuch ist nicht verschlüsselt.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The journal could not be encrypted: %1</source>
        <translation>Das Tagebuch konnte nicht verschlüsselt werden: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The journal could not be encrypted; it stays as it was.
%1</source>
        <translation>Das Tagebuch konnte nicht verschlüsselt werden; es bleibt, wie es war.
%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Enter the journal&apos;s current passphrase or its recovery key:</source>
        <translation>Geben Sie die jetzige Passphrase des Tagebuchs oder seinen Wiederherstellungs­schlüssel ein:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The journal could not be written with the new passphrase; the old one still opens it.
%1</source>
        <translation>Das Tagebuch konnte nicht mit der neuen Passphrase geschrieben werden; die alte öffnet es weiterhin.
%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The journal will be written unencrypted again; backups made while it was encrypted stay encrypted. Enter its passphrase or recovery key:</source>
        <translation>Das Tagebuch wird wieder unverschlüsselt geschrieben; Sicherungen aus der verschlüsselten Zeit bleiben verschlüsselt. Geben Sie seine Passphrase oder seinen Wiederherstellungs­schlüssel ein:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The journal could not be written unencrypted; it stays encrypted.
%1</source>
        <translation>Das Tagebuch konnte nicht unverschlüsselt geschrieben werden; es bleibt verschlüsselt.
%1</translation>
    </message>
</context>
<context>
    <name>OvelaRecordEntryBase</name>
    <message>
        <location filename="../src/dialogs/OvelaRecordEntryBase.ui" line="+6"/>
        <source>Day data</source>
        <translation>Tagesdaten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-62"/>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <location line="+27"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-88"/>
        <source>Love</source>
        <translation>Sex</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-3"/>
        <source>Dr&apos;s apt.</source>
        <translation>Arzttermin</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+70"/>
        <source>Basal Temp</source>
        <translation>Basaltemp.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-3"/>
        <source>Cervical Fluid</source>
        <translation>Zervixschleim</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-62"/>
        <source>Secret</source>
        <translation>Geheim</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-21"/>
        <source>Dry</source>
        <translation>Trocken</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Slight Bleeding</source>
        <translation>Leichte Blutung</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Normal Bleeding</source>
        <translation>Normale Blutung</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Heavy Bleeding</source>
        <translation>Starke Blutung</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Intermenstrual</source>
        <translation>Zwischenblutung</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Cloudy, Sticky</source>
        <translation>Trüb, klebrig</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Strechy, White</source>
        <translation>Spinnbar, weißlich</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+14"/>
        <source>Protection</source>
        <translation>Geschützter Verkehr</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-2"/>
        <source>PMS</source>
        <translation>PMS</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-1"/>
        <source>Cramps</source>
        <translation>Krämpfe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>OvelaRecordEntryDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaRecordEntry.cpp" line="+58"/>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>OvelaRecoveryKeyDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaPassphraseDialogs.cpp" line="+15"/>
        <location line="+13"/>
        <source>Recovery key</source>
        <translation>Wiederherstellungsschlüssel</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>This recovery key opens the journal if the passphrase is forgotten. Write it down now and keep it somewhere safe, away from this computer: it is shown only this once.</source>
        <translation>Dieser Wiederherstellungs­schlüssel öffnet das Tagebuch, falls die Passphrase vergessen wird. Schreiben Sie ihn jetzt auf und bewahren Sie ihn sicher auf, nicht bei diesem Computer: Er wird nur dieses eine Mal angezeigt.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>I have &amp;written it down</source>
        <translation>Ich habe ihn &amp;aufgeschrieben</translation>
    </message>
</context>
<context>
    <name>OvelaRestoreDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaRestoreDialog.cpp" line="+18"/>
        <source>Choose the copy of the journal to go back to. Restoring keeps the current journal as a backup first.</source>
        <translation>Wählen Sie die Kopie des Tagebuchs, zu der Sie zurückkehren möchten. Vor dem Wiederherstellen wird das jetzige Tagebuch als Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There are no backups yet.</source>
        <translation>Es gibt noch keine Sicherungen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Restore</source>
        <translation>&amp;Zurückholen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+30"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Restore from a backup</source>
        <translation>Aus einer Sicherung wiederherstellen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restores the selected backup</source>
        <translation>Stellt die gewählte Sicherung wieder her</translation>
    </message>
</context>
<context>
    <name>OvelaTempHistoryWidget</name>
    <message>
        <location filename="../src/charts/ovela_temphistory_widget.cpp" line="+86"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperature F</source>
        <translation>Temperatur F</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Temperature C</source>
        <translation>Temperatur C</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Temperature history</source>
        <translation>Temperaturliste</translation>
    </message>
</context>
<context>
    <name>OvelaUnlockDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaPassphraseDialogs.cpp" line="-188"/>
        <source>Encrypted journal</source>
        <translation>Verschlüsseltes Tagebuch</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Passphrase or recovery key</source>
        <translation>Passphrase oder Wiederherstellungsschlüssel</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>That passphrase or recovery key does not open the journal. Please try again.</source>
        <translation>Diese Passphrase oder dieser Wiederherstellungs­schlüssel öffnet das Tagebuch nicht. Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>OvelaWindowSealing</name>
    <message>
        <location filename="../src/app/ovela_window_sealing.cpp" line="+40"/>
        <source>The journal is encrypted, but not every copy of it could be (%1). Delete those copies if others can reach them.</source>
        <translation>Das Tagebuch ist verschlüsselt, aber nicht jede Kopie davon konnte es werden (%1). Löschen Sie diese Kopien, wenn andere sie erreichen können.</translation>
    </message>
</context>
<context>
    <name>Password</name>
    <message>
        <location filename="../src/platform/password.cpp" line="+38"/>
        <source>Pass code</source>
        <translation>Zugangscode</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Del</source>
        <translation>Entf</translation>
    </message>
</context>
</TS>
