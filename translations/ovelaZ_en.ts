<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>JournalText</name>
    <message numerus="yes">
        <location filename="../src/journaltool/ovela_journal_commands.cpp" line="+534"/>
        <source>%n day(s) read</source>
        <translation>
            <numerusform>%n day read</numerusform>
            <numerusform>%n days read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n added</source>
        <translation>
            <numerusform>%n added</numerusform>
            <numerusform>%n added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n changed</source>
        <translation>
            <numerusform>%n changed</numerusform>
            <numerusform>%n changed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n unchanged</source>
        <translation>
            <numerusform>%n unchanged</numerusform>
            <numerusform>%n unchanged</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n kept as in the journal</source>
        <translation>
            <numerusform>%n kept as in the journal</numerusform>
            <numerusform>%n kept as in the journal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n removed</source>
        <translation>
            <numerusform>%n removed</numerusform>
            <numerusform>%n removed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n with nothing recorded</source>
        <translation>
            <numerusform>%n with nothing recorded</numerusform>
            <numerusform>%n with nothing recorded</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n with only mucus &quot;dry&quot; or &quot;nothing&quot;, which the diary cannot tell from a day without a record</source>
        <translation>
            <numerusform>%n with only mucus &quot;dry&quot; or &quot;nothing&quot;, which the diary cannot tell from a day without a record</numerusform>
            <numerusform>%n with only mucus &quot;dry&quot; or &quot;nothing&quot;, which the diary cannot tell from a day without a record</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n skipped</source>
        <translation>
            <numerusform>%n skipped</numerusform>
            <numerusform>%n skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n noted: what has no field here was added to the day&apos;s note</source>
        <translation>
            <numerusform>%n noted: what has no field here was added to the day&apos;s note</numerusform>
            <numerusform>%n noted: what has no field here was added to the day&apos;s note</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n rounded to the scale</source>
        <translation>
            <numerusform>%n rounded to the scale</numerusform>
            <numerusform>%n rounded to the scale</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n left out (outside 36.00-38.00 °C; kept in the note)</source>
        <translation>
            <numerusform>%n left out (outside 36.00-38.00 °C; kept in the note)</numerusform>
            <numerusform>%n left out (outside 36.00-38.00 °C; kept in the note)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n marked excluded (kept in the note only)</source>
        <translation>
            <numerusform>%n marked excluded (kept in the note only)</numerusform>
            <numerusform>%n marked excluded (kept in the note only)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n bleeding(s) marked excluded, stored as &quot;Intermenstrual&quot; (never a cycle&apos;s start)</source>
        <translation>
            <numerusform>%n bleeding marked excluded, stored as &quot;Intermenstrual&quot; (never a cycle&apos;s start)</numerusform>
            <numerusform>%n bleedings marked excluded, stored as &quot;Intermenstrual&quot; (never a cycle&apos;s start)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>drip&apos;s cycle starts (isCycleStart) differ from the diary&apos;s bleeding rule on %n day(s):</source>
        <translation>
            <numerusform>drip&apos;s cycle starts (isCycleStart) differ from the diary&apos;s bleeding rule on %n day:</numerusform>
            <numerusform>drip&apos;s cycle starts (isCycleStart) differ from the diary&apos;s bleeding rule on %n days:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+49"/>
        <source>ovela-journal: %n day(s) hold a different record in %1 and in the journal:</source>
        <translation>
            <numerusform>ovela-journal: %n day holds a different record in %1 and in the journal:</numerusform>
            <numerusform>ovela-journal: %n days hold a different record in %1 and in the journal:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+325"/>
        <source>%n day(s), the last %1</source>
        <translation>
            <numerusform>%n day, the last %1</numerusform>
            <numerusform>%n days, the last %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+36"/>
        <source>there is no backup number %1; &quot;ovela-journal backups&quot; lists %n backup(s). Nothing was written.</source>
        <translation>
            <numerusform>there is no backup number %1; &quot;ovela-journal backups&quot; lists %n backup. Nothing was written.</numerusform>
            <numerusform>there is no backup number %1; &quot;ovela-journal backups&quot; lists %n backups. Nothing was written.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+35"/>
        <source>restored %1: %n day(s), the last %2</source>
        <translation>
            <numerusform>restored %1: %n day, the last %2</numerusform>
            <numerusform>restored %1: %n days, the last %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+172"/>
        <source>%1 is whole: all %n record(s) kept</source>
        <translation>
            <numerusform>%1 is whole: its %n record kept</numerusform>
            <numerusform>%1 is whole: all %n records kept</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>kept %n whole record(s) of %1 announced</source>
        <translation>
            <numerusform>kept %n whole record of %1 announced</numerusform>
            <numerusform>kept %n whole records of %1 announced</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+39"/>
        <source>a passphrase needs at least %n character(s). Nothing was written.</source>
        <translation>
            <numerusform>a passphrase needs at least %n character. Nothing was written.</numerusform>
            <numerusform>a passphrase needs at least %n characters. Nothing was written.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/journaltool/ovela_journal_insight.cpp" line="+66"/>
        <source>shortest: %n day(s)</source>
        <translation>
            <numerusform>shortest: %n day</numerusform>
            <numerusform>shortest: %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>longest: %n day(s)</source>
        <translation>
            <numerusform>longest: %n day</numerusform>
            <numerusform>longest: %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+106"/>
        <source>%n cycle(s) over %1 days were taken for gaps in the record and left out.</source>
        <translation>
            <numerusform>%n cycle over %1 days was taken for a gap in the record and left out.</numerusform>
            <numerusform>%n cycles over %1 days were taken for gaps in the record and left out.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OvelaBackupsModel</name>
    <message numerus="yes">
        <location filename="../src/dialogs/OvelaBackupsModel.cpp" line="+81"/>
        <source>%n day, last: %1</source>
        <translation>
            <numerusform>%n day, last: %1</numerusform>
            <numerusform>%n days, last: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n days, last: %1</source>
        <translation>
            <numerusform>%n day, last: %1</numerusform>
            <numerusform>%n days, last: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OvelaCentralWidget</name>
    <message numerus="yes">
        <location filename="../src/calendar/ovela_central_widget.cpp" line="+188"/>
        <source>You have recorded %n completed cycles. The calendar can predict from them: from your last recorded start, with the median length of your last 12 cycles. You can change this in the preferences.</source>
        <translation>
            <numerusform>You have recorded %n completed cycle. The calendar can predict from it: from your last recorded start, with the median length of your last 12 cycles. You can change this in the preferences.</numerusform>
            <numerusform>You have recorded %n completed cycles. The calendar can predict from them: from your last recorded start, with the median length of your last 12 cycles. You can change this in the preferences.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OvelaChartWidget</name>
    <message numerus="yes">
        <location filename="../src/charts/ovela_chart.cpp" line="+166"/>
        <source>%1: %n temperatures from %2 to %3 %4</source>
        <translation>
            <numerusform>%1: %n temperature from %2 to %3 %4</numerusform>
            <numerusform>%1: %n temperatures from %2 to %3 %4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OvelaCyclesWidget</name>
    <message numerus="yes">
        <location filename="../src/charts/ovela_cycles_widget.cpp" line="+175"/>
        <source>%n cycle(s) over %1 days were taken for gaps in the record and left out.</source>
        <translation>
            <numerusform>%n cycle over %1 days was taken for a gap in the record and left out.</numerusform>
            <numerusform>%n cycles over %1 days were taken for gaps in the record and left out.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OvelaPreferencesDialog</name>
    <message numerus="yes">
        <location filename="../src/dialogs/OvelaPreferencesDialog.cpp" line="+223"/>
        <source>Typed: %n days</source>
        <translation>
            <numerusform>Typed: %n day</numerusform>
            <numerusform>Typed: %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>From your cycles: %n days</source>
        <translation>
            <numerusform>From your cycles: %n day</numerusform>
            <numerusform>From your cycles: %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>The median of your last %n completed cycles</source>
        <translation>
            <numerusform>The median of your last %n completed cycle</numerusform>
            <numerusform>The median of your last %n completed cycles</numerusform>
        </translation>
    </message>
</context>
</TS>
