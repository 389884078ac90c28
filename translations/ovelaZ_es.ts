<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBase</name>
    <message>
        <location filename="../src/dialogs/AboutBase.ui" line="+6"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Quorin Version 3.2</source>
        <translation>Quorin versión 3.2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ovelaZ, a diary of the
menstrual cycle and its
fertile days, for Linux
handhelds and phones</source>
        <translation>ovelaZ, un diario del
ciclo menstrual y de sus
días fértiles, para dispositivos
portátiles y teléfonos Linux</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Support:
the ovelaZ issue tracker</source>
        <translation>Soporte:
el gestor de incidencias de ovelaZ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>2024-2026 the ovelaZ team</source>
        <translation>2024-2026 el equipo de ovelaZ</translation>
    </message>
</context>
<context>
    <name>JournalText</name>
    <message>
        <location filename="../src/journaltool/ovela_journal_commands.cpp" line="+73"/>
        <location line="+388"/>
        <location filename="../src/journaltool/ovela_journal_insight.cpp" line="+112"/>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <location line="-253"/>
        <location line="+74"/>
        <location line="+797"/>
        <source>%1: no such file</source>
        <translation>%1: el archivo no existe</translation>
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
        <translation>%1 no se carga como diario; &quot;ovela-journal check %1&quot; indica por qué</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>%1 is the journal itself; choose another file</source>
        <translation>%1 es el propio archivo del diario; elija otro archivo</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+361"/>
        <source>format</source>
        <translation>formato</translation>
    </message>
    <message>
        <location line="-359"/>
        <source>Write to &lt;file&gt; instead of standard output.</source>
        <translation>Escribir en &lt;archivo&gt; en lugar de la salida estándar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+442"/>
        <location line="+340"/>
        <location line="+79"/>
        <location line="+113"/>
        <location line="+322"/>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <location line="-1293"/>
        <source>ics: predict this many cycles from the current one. Default: 6.</source>
        <translation>ics: número de ciclos que se prevén a partir del actual. Por omisión: 6.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>--cycles takes a number from 0 to 1000</source>
        <translation>--cycles admite un número de 0 a 1000</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>ovela-journal: no start-cycle date is set; the calendar holds no predictions</source>
        <translation>ovela-journal: no hay ninguna fecha de inicio del ciclo; el calendario no contiene previsiones</translation>
    </message>
    <message numerus="yes">
        <location line="+147"/>
        <source>%n left out (outside 36.00-38.00 °C; kept in the note)</source>
        <translation>
            <numerusform>%n omitida (fuera de 36,00-38,00 °C; guardada en la nota)</numerusform>
            <numerusform>%n omitidas (fuera de 36,00-38,00 °C; guardadas en la nota)</numerusform>
        </translation>
    </message>
    <message>
        <location line="-432"/>
        <source>the diary is open (process %1 holds %2); close it and try again. Nothing was written.</source>
        <translation>el diario está abierto (el proceso %1 tiene %2); ciérrelo y vuelva a intentarlo. No se ha escrito nada.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ovela-journal: cannot lock %1; writing without the lock</source>
        <translation>ovela-journal: no se puede bloquear %1; se escribe sin bloqueo</translation>
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
        <translation>. No se ha escrito nada.</translation>
    </message>
    <message>
        <location line="-867"/>
        <source>Nothing was written. Choose which side wins with --prefer-journal or the other --prefer option.</source>
        <translation>No se ha escrito nada. Elija qué lado prevalece con --prefer-journal o con la otra opción --prefer.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>added</source>
        <translation>añadido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>changed</source>
        <translation>modificado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>removed</source>
        <translation>eliminado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kept as in the journal</source>
        <translation>conservado como en el diario</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>start-cycle date: %1 -&gt; %2</source>
        <translation>fecha de inicio del ciclo: %1 -&gt; %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+336"/>
        <location line="+175"/>
        <location line="+113"/>
        <location line="+53"/>
        <location line="+31"/>
        <source>%1 was not written: %2</source>
        <translation>no se pudo escribir %1: %2</translation>
    </message>
    <message>
        <location line="-696"/>
        <source>Dry run: nothing was written.</source>
        <translation>Simulación: no se ha escrito nada.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>csv or json as export writes them, or drip (the CSV export of the drip app). Default: from the file.</source>
        <translation>csv o json tal como los escribe export, o drip (la exportación CSV de la aplicación drip). Por omisión: según el archivo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replace the whole journal with the file&apos;s records.</source>
        <translation>Sustituir todo el diario por los registros del archivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Where a day differs, take the file&apos;s record.</source>
        <translation>Si un día difiere, tomar el registro del archivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Where a day differs, keep the journal&apos;s record.</source>
        <translation>Si un día difiere, conservar el registro del diario.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+74"/>
        <source>Show what would change; write nothing.</source>
        <translation>Mostrar lo que cambiaría, sin escribir nada.</translation>
    </message>
    <message>
        <location line="-741"/>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>an unknown time</source>
        <translation>un momento desconocido</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>ovela-journal: the journal may be open on the computer &quot;%1&quot; (locked since %2); checking it as last saved</source>
        <translation>ovela-journal: el diario puede estar abierto en el ordenador &quot;%1&quot; (bloqueado desde %2); se comprueba tal como se guardó por última vez</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ovela-journal: the journal may be open on the computer &quot;%1&quot; (locked since %2); reading it as last saved</source>
        <translation>ovela-journal: el diario puede estar abierto en el ordenador &quot;%1&quot; (bloqueado desde %2); se lee tal como se guardó por última vez</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>ovela-journal: the journal is locked by the computer &quot;%1&quot; (since %2); writing anyway, as --ignore-foreign-lock asks</source>
        <translation>ovela-journal: el diario está bloqueado por el ordenador &quot;%1&quot; (desde %2); se escribe de todos modos, como pide --ignore-foreign-lock</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the journal is locked by the computer &quot;%1&quot; (since %2): the diary may be open there. Nothing was written. When it is not (the lock came with a sync program, or a crash there left it), --ignore-foreign-lock writes all the same.</source>
        <translation>el diario está bloqueado por el ordenador &quot;%1&quot; (desde %2): puede estar abierto allí. No se escribió nada. Si no lo está (el bloqueo llegó con un programa de sincronización, o lo dejó un fallo allí), --ignore-foreign-lock escribe de todos modos.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>no backup of the journal could be made (%1). Nothing was written.</source>
        <translation>no se pudo hacer una copia de seguridad del diario (%1). No se escribió nada.</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>standard input: %1</source>
        <translation>entrada estándar: %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 holds more than %2 MiB; it was read no further and nothing was written</source>
        <translation>%1 contiene más de %2 MiB; no se leyó más y no se escribió nada</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+805"/>
        <source>%1 inflates to more than %2 MiB, far more than any journal; it was read no further</source>
        <translation>%1 se descomprime en más de %2 MiB, mucho más que cualquier diario; no se leyó más</translation>
    </message>
    <message>
        <location line="-744"/>
        <source>csv (the records only), json (the records, the start-cycle date and the settings), drip (a file the drip app imports) or ics (bleeding and predicted days for a calendar program). Default: csv.</source>
        <translation>csv (solo los registros), json (los registros, la fecha de inicio del ciclo y los ajustes), drip (un archivo que la aplicación drip importa) o ics (sangrados y días previstos para un programa de calendario). Predeterminado: csv.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ics: neutral summaries (&quot;P&quot; and &quot;F&quot;, or those given below) and calendar name, for a shared or work calendar.</source>
        <translation>ics: títulos neutros (&quot;P&quot; y &quot;F&quot;, o los indicados abajo) y nombre de calendario neutro, para un calendario compartido o de trabajo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ics: the summary of period days; implies --discreet.</source>
        <translation>ics: el título de los días de regla; implica --discreet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>ics: the summary of fertile days; implies --discreet.</source>
        <translation>ics: el título de los días fértiles; implica --discreet.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>unknown format &quot;%1&quot; (csv, json, drip or ics)</source>
        <translation>formato desconocido &quot;%1&quot; (csv, json, drip o ics)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--%1 belongs to the ics format</source>
        <translation>--%1 pertenece al formato ics</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>ovela-journal: the record ends on %1; the calendar predicts from today, and says so in each prediction</source>
        <translation>ovela-journal: el registro termina el %1; el calendario predice a partir de hoy y lo indica en cada predicción</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cervical fluid</source>
        <translation>flujo cervical</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>temperature</source>
        <translation>temperatura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>doctor</source>
        <translation>médico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cramps</source>
        <translation>calambres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PMS</source>
        <translation>SPM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>love</source>
        <translation>amor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>protection</source>
        <translation>anticoncepción</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>secret</source>
        <translation>secreto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2 in the journal, %3 in %4</source>
        <translation>%1: %2 en el diario, %3 en %4</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>cycle length</source>
        <translation>duración del ciclo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>menstrual period</source>
        <translation>menstruación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fertile period</source>
        <translation>periodo fértil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>luteal phase</source>
        <translation>fase lútea</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>goal</source>
        <translation>objetivo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unit</source>
        <translation>unidad</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%n day(s) read</source>
        <translation>
            <numerusform>%n día leído</numerusform>
            <numerusform>%n días leídos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n added</source>
        <translation>
            <numerusform>%n añadido</numerusform>
            <numerusform>%n añadidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n changed</source>
        <translation>
            <numerusform>%n cambiado</numerusform>
            <numerusform>%n cambiados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n unchanged</source>
        <translation>
            <numerusform>%n sin cambios</numerusform>
            <numerusform>%n sin cambios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n kept as in the journal</source>
        <translation>
            <numerusform>%n conservado como en el diario</numerusform>
            <numerusform>%n conservados como en el diario</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n removed</source>
        <translation>
            <numerusform>%n eliminado</numerusform>
            <numerusform>%n eliminados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n with nothing recorded</source>
        <translation>
            <numerusform>%n sin nada anotado</numerusform>
            <numerusform>%n sin nada anotado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n with only mucus &quot;dry&quot; or &quot;nothing&quot;, which the diary cannot tell from a day without a record</source>
        <translation>
            <numerusform>%n solo con moco &quot;seco&quot; o &quot;nada&quot;, que el diario no distingue de un día sin registro</numerusform>
            <numerusform>%n solo con moco &quot;seco&quot; o &quot;nada&quot;, que el diario no distingue de un día sin registro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n skipped</source>
        <translation>
            <numerusform>%n omitido</numerusform>
            <numerusform>%n omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n noted: what has no field here was added to the day&apos;s note</source>
        <translation>
            <numerusform>%n anotado: lo que aquí no tiene campo se añadió a la nota del día</numerusform>
            <numerusform>%n anotados: lo que aquí no tiene campo se añadió a la nota del día</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n rounded to the scale</source>
        <translation>
            <numerusform>%n redondeada a la escala</numerusform>
            <numerusform>%n redondeadas a la escala</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n marked excluded (kept in the note only)</source>
        <translation>
            <numerusform>%n marcada como excluida (solo guardada en la nota)</numerusform>
            <numerusform>%n marcadas como excluidas (solo guardadas en la nota)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>temperatures: %1</source>
        <translation>temperaturas: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n bleeding(s) marked excluded, stored as &quot;Intermenstrual&quot; (never a cycle&apos;s start)</source>
        <translation>
            <numerusform>%n sangrado marcado como excluido, guardado como &quot;Intermenstrual&quot; (nunca un inicio de ciclo)</numerusform>
            <numerusform>%n sangrados marcados como excluidos, guardados como &quot;Intermenstrual&quot; (nunca un inicio de ciclo)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>drip&apos;s cycle starts (isCycleStart) differ from the diary&apos;s bleeding rule on %n day(s):</source>
        <translation>
            <numerusform>Los inicios de ciclo de drip (isCycleStart) difieren de la regla del sangrado del diario en %n día:</numerusform>
            <numerusform>Los inicios de ciclo de drip (isCycleStart) difieren de la regla del sangrado del diario en %n días:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: a start in drip, not by the bleeding rule</source>
        <translation>%1: un inicio en drip, no según la regla del sangrado</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: a start by the bleeding rule, not in drip</source>
        <translation>%1: un inicio según la regla del sangrado, no en drip</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: no such journal; nothing was written. &quot;import --create&quot; makes a new one there.</source>
        <translation>%1: no existe ese diario; no se escribió nada. &quot;import --create&quot; crea uno nuevo allí.</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>ovela-journal: %n day(s) hold a different record in %1 and in the journal:</source>
        <translation>
            <numerusform>ovela-journal: %n día tiene un registro distinto en %1 y en el diario:</numerusform>
            <numerusform>ovela-journal: %n días tienen un registro distinto en %1 y en el diario:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+24"/>
        <source>this would leave %1 of the journal&apos;s %2 days; add --yes if that is what you want</source>
        <translation>quedarían %1 de los %2 días del diario; añada --yes si es lo que quiere</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>A real run refuses: %1.</source>
        <translation>Una ejecución real se niega: %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>settings: %1</source>
        <translation>ajustes: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>settings: as they were</source>
        <translation>ajustes: sin cambios</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+337"/>
        <source>%1 was made.</source>
        <translation>%1 se ha creado.</translation>
    </message>
    <message>
        <location line="-335"/>
        <source>The journal already held all of it; nothing was written to it.</source>
        <translation>El diario ya lo contenía todo; no se escribió nada en él.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+330"/>
        <source>the journal as it was is kept as %1</source>
        <translation>el diario tal como estaba se guarda como %1</translation>
    </message>
    <message>
        <location line="-322"/>
        <source>Write although another computer&apos;s lock is on the journal (one a sync program carried, or a crash there left).</source>
        <translation>Escribir aunque el diario tenga el bloqueo de otro ordenador (traído por un programa de sincronización o dejado por un fallo allí).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Make the journal when it does not exist yet.</source>
        <translation>Crear el diario si aún no existe.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Allow an import that leaves fewer than half the days of a journal of more than 30.</source>
        <translation>Permitir una importación que deja menos de la mitad de los días de un diario de más de 30.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>json: also restore the settings the file carries (lengths, goal, unit).</source>
        <translation>json: restaurar también los ajustes del archivo (duraciones, objetivo, unidad).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>import takes one file (&quot;-&quot; for standard input)</source>
        <translation>import espera un solo archivo (&quot;-&quot; para la entrada estándar)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--prefer-import and --prefer-journal exclude each other</source>
        <translation>--prefer-import y --prefer-journal se excluyen mutuamente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--replace takes every record of the file; it excludes --prefer-import and --prefer-journal</source>
        <translation>--replace toma todos los registros del archivo; excluye --prefer-import y --prefer-journal</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>unknown format &quot;%1&quot; (csv, json or drip)</source>
        <translation>formato desconocido &quot;%1&quot; (csv, json o drip)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--settings needs a json file; only json carries the settings</source>
        <translation>--settings necesita un archivo json; solo json contiene los ajustes</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: %2. Nothing was written.</source>
        <translation>%1: %2. No se ha escrito nada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 carries no settings (only a json export does). Nothing was written.</source>
        <translation>%1 no contiene ajustes (solo una exportación json los contiene). No se escribió nada.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Where a day differs, take the other journal&apos;s record.</source>
        <translation>Si un día difiere, tomar el registro del otro diario.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Where a day differs, keep this journal&apos;s record.</source>
        <translation>Si un día difiere, conservar el registro de este diario.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>merge takes one other journal</source>
        <translation>merge admite un único diario adicional</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--prefer-other and --prefer-journal exclude each other</source>
        <translation>--prefer-other y --prefer-journal se excluyen mutuamente</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>session start</source>
        <translation>inicio de sesión</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>daily</source>
        <translation>diaria</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>before ovela-journal</source>
        <translation>antes de ovela-journal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>before a merge</source>
        <translation>antes de una fusión</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>before a restore</source>
        <translation>antes de una restauración</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>conflict copy</source>
        <translation>copia de conflicto</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+178"/>
        <source>Print pure JSON instead of a table.</source>
        <translation>Mostrar solo JSON en lugar de una tabla.</translation>
    </message>
    <message>
        <location line="-109"/>
        <source>No backups yet in %1.</source>
        <translation>Aún no hay copias de seguridad en %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Backups in %1, newest first:</source>
        <translation>Copias de seguridad en %1, la más reciente primero:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>does not load</source>
        <translation>no se carga</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n day(s), the last %1</source>
        <translation>
            <numerusform>%n día, el último %1</numerusform>
            <numerusform>%n días, el último %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no days</source>
        <translation>ningún día</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;ovela-journal restore N&quot; brings back number N; the journal as it is now is kept first.</source>
        <translation>&quot;ovela-journal restore N&quot; recupera el número N; el diario tal como está ahora se guarda antes.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>restore takes one backup: its number in &quot;ovela-journal backups&quot;, or its path</source>
        <translation>restore espera una copia de seguridad: su número en &quot;ovela-journal backups&quot;, o su ruta</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>restored %1: no days</source>
        <translation>%1 restaurado: ningún día</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>restored %1: %n day(s), the last %2</source>
        <translation>
            <numerusform>%1 restaurado: %n día, el último %2</numerusform>
            <numerusform>%1 restaurado: %n días, el último %2</numerusform>
        </translation>
    </message>
    <message>
        <location line="+48"/>
        <source>check takes at most one file</source>
        <translation>check admite como máximo un archivo</translation>
    </message>
    <message>
        <location line="-955"/>
        <source>ovela-journal: the diary is open; checking the journal as last saved</source>
        <translation>ovela-journal: el diario está abierto; se comprueba el diario tal como se guardó por última vez</translation>
    </message>
    <message>
        <location line="+991"/>
        <source>%1: loads</source>
        <translation>%1: se carga correctamente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>records: %1</source>
        <translation>registros: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>first: %1</source>
        <translation>primero: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last: %1</source>
        <translation>último: %1</translation>
    </message>
    <message>
        <location line="-84"/>
        <location line="+85"/>
        <location line="+18"/>
        <source>start-cycle date: %1</source>
        <translation>fecha de inicio del ciclo: %1</translation>
    </message>
    <message numerus="yes">
        <location line="-142"/>
        <source>there is no backup number %1; &quot;ovela-journal backups&quot; lists %n backup(s). Nothing was written.</source>
        <translation>
            <numerusform>no hay copia de seguridad número %1; &quot;ovela-journal backups&quot; lista %n copia. No se escribió nada.</numerusform>
            <numerusform>no hay copia de seguridad número %1; &quot;ovela-journal backups&quot; lista %n copias. No se escribió nada.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+100"/>
        <location line="+30"/>
        <source>%1: does not load</source>
        <translation>%1: no se carga</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+30"/>
        <source>damage: %1</source>
        <translation>daño: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>reads whole to byte offset %1 of the inflated stream (%2 bytes inflated)</source>
        <translation>se lee íntegro hasta el byte %1 del flujo descomprimido (%2 bytes descomprimidos)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>whole records before the damage: %1</source>
        <translation>registros íntegros antes del daño: %1</translation>
    </message>
    <message>
        <location line="-37"/>
        <location line="+42"/>
        <source>&quot;ovela-journal salvage %1 -o NEW&quot; keeps what is whole.</source>
        <translation>&quot;ovela-journal salvage %1 -o NUEVO&quot; conserva lo que está íntegro.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The new journal to write; it must not exist yet.</source>
        <translation>El diario nuevo que se va a escribir; todavía no debe existir.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>salvage takes one damaged file</source>
        <translation>salvage admite un único archivo dañado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>salvage needs -o NEW, the journal to write</source>
        <translation>salvage necesita -o NUEVO, el diario que se va a escribir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 exists; salvage writes a new file only</source>
        <translation>%1 ya existe; salvage solo escribe un archivo nuevo</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+8"/>
        <source>%1: nothing to salvage: %2</source>
        <translation>%1: no hay nada que rescatar: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+167"/>
        <source>%1 is locked by the diary (process %2)</source>
        <translation>%1 está bloqueado por el diario (proceso %2)</translation>
    </message>
    <message numerus="yes">
        <location line="-159"/>
        <source>%1 is whole: all %n record(s) kept</source>
        <translation>
            <numerusform>%1 está completo: se conservó el único registro (%n)</numerusform>
            <numerusform>%1 está completo: se conservaron los %n registros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>kept %n whole record(s) of %1 announced</source>
        <translation>
            <numerusform>se conservó %n registro completo de %1 anunciados</numerusform>
            <numerusform>se conservaron %n registros completos de %1 anunciados</numerusform>
        </translation>
    </message>
    <message>
        <location line="+322"/>
        <source>%1: no such journal; nothing was read</source>
        <translation>%1: no existe ese diario; no se leyó nada</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;ovela-journal COMMAND --help&quot; describes a command.</source>
        <translation>&quot;ovela-journal ORDEN --help&quot; describe una orden.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Write the journal as csv, json, drip&apos;s csv or ics.</source>
        <translation>Escribir el diario como csv, json, csv de drip o ics.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>List the diary&apos;s backups, newest first, with their days.</source>
        <translation>Listar las copias de seguridad del diario, la más reciente primero, con sus días.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bring back a backup as the journal, keeping the journal as it is first.</source>
        <translation>Recuperar una copia de seguridad como diario, guardando antes el diario tal como está.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>N is a number that &quot;ovela-journal backups&quot; shows; PATH is a backup file (a file named by digits alone is written ./NAME).</source>
        <translation>N es un número que muestra &quot;ovela-journal backups&quot;; PATH es un archivo de copia (un archivo cuyo nombre son solo cifras se escribe ./NOMBRE).</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>%1 takes no file name (&quot;%2&quot;)</source>
        <translation>%1 no espera ningún nombre de archivo (&quot;%2&quot;)</translation>
    </message>
    <message>
        <location line="-510"/>
        <source>the start-cycle date was lost; set it again in the diary</source>
        <translation>se ha perdido la fecha de inicio del ciclo; vuelva a fijarla en el diario</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>written to %1</source>
        <translation>escrito en %1</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>Commands:</source>
        <translation>Órdenes:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;ovela-journal COMMAND --help&quot; describes a command. Every command works on the diary&apos;s own journal unless --journal names another.</source>
        <translation>&quot;ovela-journal ORDEN --help&quot; describe una orden. Todas las órdenes trabajan con el diario de la aplicación, salvo que --journal indique otro.</translation>
    </message>
    <message>
        <location line="-1287"/>
        <source>ovela-journal: the diary is open; reading the journal as last saved</source>
        <translation>ovela-journal: el diario está abierto; se lee el diario tal como se guardó por última vez</translation>
    </message>
    <message>
        <location line="+1450"/>
        <source>Bring in records from csv, json or drip&apos;s csv.</source>
        <translation>Incorporar registros desde csv, json o el csv de drip.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bring in the records of another journal file.</source>
        <translation>Incorporar los registros de otro archivo de diario.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Tell whether a journal file loads, and how far if not.</source>
        <translation>Indicar si un archivo de diario se carga y, si no, hasta dónde.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keep every whole record of a damaged journal in a new one.</source>
        <translation>Guardar en un diario nuevo todos los registros íntegros de uno dañado.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>List the cycles the record shows, with the temperature shift of each.</source>
        <translation>Listar los ciclos que muestran los registros, con el ascenso de temperatura de cada uno.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cycle statistics and the next period starts the record suggests.</source>
        <translation>Estadísticas de los ciclos y próximos inicios de la regla según los registros.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The diary&apos;s data out, in, merged, checked and rescued, without its window.</source>
        <translation>Exportar, importar, fusionar, comprobar y rescatar los datos del diario, sin abrir su ventana.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Work on the journal &lt;path&gt; instead of the diary&apos;s own.</source>
        <translation>Trabajar con el diario &lt;ruta&gt; en lugar del de la aplicación.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>path</source>
        <translation>ruta</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>What to do (see below).</source>
        <translation>Qué hacer (véase más abajo).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>command [options]</source>
        <translation>orden [opciones]</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+23"/>
        <source>&quot;ovela-journal --help&quot; lists the commands and options.</source>
        <translation>&quot;ovela-journal --help&quot; lista las órdenes y las opciones.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Example:</source>
        <translation>Ejemplo:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>ovela-journal: unknown command &quot;%1&quot;</source>
        <translation>ovela-journal: orden desconocida &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_csv.cpp" line="+21"/>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="+27"/>
        <location filename="../src/journaltool/ovela_journal_json.cpp" line="+39"/>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>unknown cervical fluid code &quot;%1&quot;</source>
        <translation>código de flujo cervical desconocido &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="+232"/>
        <source>unknown cervical fluid &quot;%1&quot;</source>
        <translation>flujo cervical desconocido &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the code %1 is not &quot;%2&quot;</source>
        <translation>el código %1 no corresponde a &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>temperature code &quot;%1&quot; is off the scale (0 to %2)</source>
        <translation>el código de temperatura &quot;%1&quot; está fuera de la escala (0 a %2)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>temperature %1 %2 is off the scale</source>
        <translation>la temperatura %1 %2 está fuera de la escala</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>temperature %1 %2 does not match the code %3</source>
        <translation>la temperatura %1 %2 no corresponde al código %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a mark is 0 or 1, not &quot;%1&quot;</source>
        <translation>una marca vale 0 o 1, no &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>: not UTF-8 text (byte offset %1)</source>
        <translation>: texto que no es UTF-8 (byte %1)</translation>
    </message>
    <message>
        <location line="+60"/>
        <location line="+6"/>
        <source>: a quote inside an unquoted field</source>
        <translation>: comillas dentro de un campo sin comillas</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>: text after a closing quote</source>
        <translation>: texto después de las comillas de cierre</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>: a quoted field is never closed</source>
        <translation>: un campo entre comillas no se cierra nunca</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>line 1: the file is empty</source>
        <translation>línea 1: el archivo está vacío</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>line %1: the file ends without its final line end; it was cut short (every export ends in one)</source>
        <translation>línea %1: el archivo termina sin su último fin de línea; se cortó (toda exportación termina con uno)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>line 1: the header is not &quot;%1&quot;</source>
        <translation>línea 1: la cabecera no es &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="-52"/>
        <source>line %1: %2 fields where the header has %3</source>
        <translation>línea %1: %2 campos, pero la cabecera tiene %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="+36"/>
        <source>: &quot;%1&quot; is not a date (yyyy-mm-dd)</source>
        <translation>: &quot;%1&quot; no es una fecha (aaaa-mm-dd)</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="+3"/>
        <location filename="../src/journaltool/ovela_journal_json.cpp" line="+319"/>
        <source>: %1 appears a second time</source>
        <translation>: %1 aparece por segunda vez</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="-58"/>
        <source>line 1: no header row</source>
        <translation>línea 1: no hay fila de cabecera</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>: the column &quot;%1&quot; appears twice</source>
        <translation>: la columna &quot;%1&quot; aparece dos veces</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>unknown bleeding value &quot;%1&quot;</source>
        <translation>valor de sangrado desconocido &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>line 1: the header has no &quot;date&quot; column</source>
        <translation>línea 1: la cabecera no tiene columna &quot;date&quot;</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>: &quot;%1&quot; is neither true nor false</source>
        <translation>: &quot;%1&quot; no es ni true ni false</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>: &quot;%1&quot; is not a temperature</source>
        <translation>: &quot;%1&quot; no es una temperatura</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_ics.cpp" line="+107"/>
        <source>Cycle diary</source>
        <translation>Diario del ciclo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Diary</source>
        <translation>Diario</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Period</source>
        <translation>Regla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bleeding recorded in the diary</source>
        <translation>Sangrado anotado en el diario</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An estimate by the calendar method from the cycle lengths set in the diary, not a measurement. It is no contraception.</source>
        <translation>Una estimación por el método del calendario a partir de las duraciones ajustadas en el diario, no una medición. No es un anticonceptivo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The record ends on %1: these dates carry its rhythm on from today.</source>
        <translation>El registro termina el %1: estas fechas continúan su ritmo a partir de hoy.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Period (predicted)</source>
        <translation>Regla (prevista)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Fertile days (predicted)</source>
        <translation>Días fértiles (previstos)</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_insight.cpp" line="-78"/>
        <source>These figures describe what you recorded. They are no method of contraception on their own.</source>
        <translation>Estas cifras describen lo que usted ha anotado. Por sí solas no son un método anticonceptivo.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>no completed cycle</source>
        <translation>ningún ciclo completo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cycles: %1</source>
        <translation>ciclos: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mean length: %1 days</source>
        <translation>duración media: %1 días</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>median length: %1 days</source>
        <translation>duración mediana: %1 días</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>standard deviation: %1 days</source>
        <translation>desviación estándar: %1 días</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>shortest: %n day(s)</source>
        <translation>
            <numerusform>el más corto: %n día</numerusform>
            <numerusform>el más corto: %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>longest: %n day(s)</source>
        <translation>
            <numerusform>el más largo: %n día</numerusform>
            <numerusform>el más largo: %n días</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mean bleeding: %1 days</source>
        <translation>sangrado medio: %1 días</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No cycle yet: a cycle starts on a day with bleeding recorded.</source>
        <translation>Aún no hay ningún ciclo: un ciclo empieza en un día con sangrado anotado.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Length</source>
        <translation>Días</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bleeding</source>
        <translation>Sangrado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shift confirmed</source>
        <translation>Confirm. ascenso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LTL °C/°F</source>
        <translation>Línea °C/°F</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rule</source>
        <translation>Regla</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>open</source>
        <translation>actual</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 (day %2)</source>
        <translation>%1 (día %2)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Rule 0: three temperatures over the cover line (LTL), the third 0.2 °C above it; 1 and 2: the two exceptions, confirmed on the fourth day.</source>
        <translation>Regla 0: tres temperaturas por encima de la línea de cobertura (nivel de temperaturas bajas), la tercera 0,2 °C por encima de ella; 1 y 2: las dos excepciones, confirmadas el cuarto día.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>All completed cycles</source>
        <translation>Todos los ciclos completos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last 12</source>
        <translation>Los últimos 12</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n cycle(s) over %1 days were taken for gaps in the record and left out.</source>
        <translation>
            <numerusform>%n ciclo de más de %1 días se tomó por un hueco en el registro y se dejó fuera.</numerusform>
            <numerusform>%n ciclos de más de %1 días se tomaron por huecos en el registro y se dejaron fuera.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The record&apos;s last cycle starts on %1: predictions for days already past are left out.</source>
        <translation>El último ciclo del registro empieza el %1: se omiten las predicciones para días ya pasados.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No prediction: the record ends too long ago.</source>
        <translation>Sin predicción: el registro terminó hace demasiado tiempo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No prediction: it needs one completed cycle.</source>
        <translation>Sin previsión: hace falta al menos un ciclo completo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next period starts (from the median of the last 12, ± one standard deviation), and what the diary&apos;s calendar shows:</source>
        <translation>Próximos inicios de la regla (según la mediana de los últimos 12, ± una desviación estándar) y lo que muestra el calendario del diario:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>calendar: %1</source>
        <translation>calendario: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>calendar: no start-cycle date set</source>
        <translation>calendario: sin fecha de inicio del ciclo</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_json.cpp" line="-230"/>
        <source>, field &quot;%1&quot;: outside what the Preferences dialog allows</source>
        <translation>, campo &quot;%1&quot;: fuera de lo que permite el diálogo de preferencias</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>, field &quot;%1&quot;: not one of %2</source>
        <translation>, campo &quot;%1&quot;: ninguno de %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>, field &quot;%1&quot;: </source>
        <translation>, campo &quot;%1&quot;: </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not a date (yyyy-mm-dd)</source>
        <translation>no es una fecha (aaaa-mm-dd)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown cervical fluid code</source>
        <translation>código de flujo cervical desconocido</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown cervical fluid</source>
        <translation>flujo cervical desconocido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>does not match the fluid&apos;s name</source>
        <translation>no corresponde al nombre del flujo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>off the scale (0 to %1)</source>
        <translation>fuera de la escala (0 a %1)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>off the scale</source>
        <translation>fuera de la escala</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>does not match the temperature code</source>
        <translation>no corresponde al código de temperatura</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>not true or false</source>
        <translation>no es true ni false</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a text</source>
        <translation>no es un texto</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>: the file ends before its closing bracket; it was cut short</source>
        <translation>: el archivo termina antes de su llave de cierre; se cortó</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>not a journal export (no &quot;format&quot;: &quot;%1&quot;)</source>
        <translation>no es una exportación del diario (falta &quot;format&quot;: &quot;%1&quot;)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown version %1; this program reads version %2</source>
        <translation>versión %1 desconocida; este programa lee la versión %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>: &quot;settings&quot; is not an object</source>
        <translation>: &quot;settings&quot; no es un objeto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>: settings</source>
        <translation>: ajustes</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>: &quot;startCycleDate&quot;: not a date (yyyy-mm-dd)</source>
        <translation>: &quot;startCycleDate&quot;: no es una fecha (aaaa-mm-dd)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>: &quot;records&quot; is not a list</source>
        <translation>: &quot;records&quot; no es una lista</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>record %1</source>
        <translation>registro %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>: not an object</source>
        <translation>: no es un objeto</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_salvage.cpp" line="+25"/>
        <source>the decompressor could not be started</source>
        <translation>no se ha podido iniciar el descompresor</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the stream inflates to more than %1 bytes; read no further</source>
        <translation>el flujo descomprimido supera los %1 bytes; no se lee más</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the gzip stream ends early (cut off)</source>
        <translation>el flujo gzip termina antes de tiempo (truncado)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the gzip stream is damaged: %1</source>
        <translation>el flujo gzip está dañado: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>cut off</source>
        <translation>truncado</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>its note has an odd byte count</source>
        <translation>su nota tiene un número impar de bytes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its note is cut off</source>
        <translation>su nota está truncada</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the file is longer than %1 bytes; read no further</source>
        <translation>el archivo ocupa más de %1 bytes; no se lee más</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not a journal: it does not begin with OVELACYCLE</source>
        <translation>no es un diario: no empieza por OVELACYCLE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the journal&apos;s header is cut off</source>
        <translation>la cabecera del diario está truncada</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>record %1 of %2: %3</source>
        <translation>registro %1 de %2: %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the start-cycle date after the records is cut off</source>
        <translation>la fecha de inicio del ciclo, detrás de los registros, está truncada</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the records end at byte %1 and %2 more bytes follow (the record count may be damaged)</source>
        <translation>los registros terminan en el byte %1 y siguen %2 bytes más (puede que el número de registros esté dañado)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>whole records found after them: %1</source>
        <translation>registros completos encontrados después: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every record is whole, but %1</source>
        <translation>todos los registros están íntegros, pero %1</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_commands.cpp" line="-1475"/>
        <source>%1 holds more than %2 MiB, far more than any journal</source>
        <translation>%1 contiene más de %2 MiB, mucho más que cualquier diario</translation>
    </message>
    <message>
        <location line="+580"/>
        <source>Read the other journal&apos;s passphrase from the first line of &lt;file&gt;, when it is encrypted with another one than the journal.</source>
        <translation>Leer la frase de contraseña del otro diario de la primera línea de &lt;archivo&gt;, si está cifrado con otra distinta de la del diario.</translation>
    </message>
    <message>
        <location line="+148"/>
        <source>encrypted; not opened</source>
        <translation>cifrada; no abierta</translation>
    </message>
    <message>
        <location line="+154"/>
        <source>%1: encrypted, opens and authenticates</source>
        <translation>%1: cifrado, se abre y se autentica</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>written to %1, encrypted as it was</source>
        <translation>escrito en %1, cifrado como estaba</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Read the new passphrase from the first line of &lt;file&gt; instead of asking for it twice on the terminal.</source>
        <translation>Leer la nueva frase de contraseña de la primera línea de &lt;archivo&gt; en lugar de pedirla dos veces en el terminal.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>New passphrase: </source>
        <translation>Nueva frase de contraseña: </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The same passphrase again: </source>
        <translation>La misma frase de contraseña otra vez: </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the two passphrases differ. Nothing was written.</source>
        <translation>las dos frases de contraseña no coinciden. No se escribió nada.</translation>
    </message>
    <message numerus="yes">
        <location line="-12"/>
        <source>a passphrase needs at least %n character(s). Nothing was written.</source>
        <translation>
            <numerusform>una frase de contraseña necesita al menos %n carácter. No se escribió nada.</numerusform>
            <numerusform>una frase de contraseña necesita al menos %n caracteres. No se escribió nada.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1: no such journal; nothing was written</source>
        <translation>%1: no existe ese diario; no se escribió nada</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 is encrypted already; &quot;ovela-journal passphrase&quot; changes its passphrase</source>
        <translation>%1 ya está cifrado; &quot;ovela-journal passphrase&quot; cambia su frase de contraseña</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A forgotten passphrase cannot be recovered by anyone. The recovery key shown at the end is the only other way in.</source>
        <translation>Nadie puede recuperar una frase de contraseña olvidada. La clave de recuperación que se muestra al final es el único otro acceso.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+86"/>
        <source>%1. Nothing was written.</source>
        <translation>%1. No se escribió nada.</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>%1 is encrypted.</source>
        <translation>%1 está cifrado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recovery key: %1</source>
        <translation>Clave de recuperación: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write the recovery key down and keep it apart from this computer: it opens the journal when the passphrase is forgotten, and it is shown only now.</source>
        <translation>Anote la clave de recuperación y guárdela lejos de este ordenador: abre el diario si se olvida la frase de contraseña y solo se muestra ahora.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>some copies stay unencrypted: %1</source>
        <translation>algunas copias quedan sin cifrar: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Its backups are encrypted too.</source>
        <translation>Sus copias de seguridad también están cifradas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The copies beside it are encrypted too; the diary&apos;s backups hold its own journal and were left as they are.</source>
        <translation>Las copias junto a él también están cifradas; las copias de seguridad del diario contienen su propio diario y se dejaron como estaban.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The unencrypted journal to write; it must not exist yet.</source>
        <translation>El diario sin cifrar que se escribirá; no debe existir todavía.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>decrypt needs -o PLAIN, the journal to write</source>
        <translation>decrypt necesita -o PLAIN, el diario que se escribirá</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 exists; decrypt writes a new file only</source>
        <translation>%1 existe; decrypt solo escribe un archivo nuevo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not encrypted</source>
        <translation>%1 no está cifrado</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>written to %1, not encrypted: anyone who gets that file reads it</source>
        <translation>escrito en %1, sin cifrar: cualquiera que obtenga ese archivo puede leerlo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 is not encrypted; &quot;ovela-journal encrypt&quot; encrypts it</source>
        <translation>%1 no está cifrado; &quot;ovela-journal encrypt&quot; lo cifra</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The passphrase of %1 is changed; the recovery key stays the same. Backups made before open with the old passphrase or the recovery key.</source>
        <translation>La frase de contraseña de %1 ha cambiado; la clave de recuperación sigue siendo la misma. Las copias anteriores se abren con la frase de contraseña antigua o con la clave de recuperación.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Passphrase or recovery key for %1: </source>
        <translation>Frase de contraseña o clave de recuperación para %1: </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>ovela-journal: that does not open %1; try again</source>
        <translation>ovela-journal: eso no abre %1; inténtelo de nuevo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the passphrase in %1 does not open %2</source>
        <translation>la frase de contraseña de %1 no abre %2</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>Encrypt the journal and its backups with a passphrase; prints the recovery key once.</source>
        <translation>Cifrar el diario y sus copias con una frase de contraseña; muestra la clave de recuperación una vez.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Write an unencrypted copy of the encrypted journal.</source>
        <translation>Escribir una copia sin cifrar del diario cifrado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Change the passphrase of the encrypted journal.</source>
        <translation>Cambiar la frase de contraseña del diario cifrado.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Read the passphrase (or the recovery key) of an encrypted journal from the first line of &lt;file&gt; instead of asking on the terminal.</source>
        <translation>Leer la frase de contraseña (o la clave de recuperación) de un diario cifrado de la primera línea de &lt;archivo&gt; en lugar de preguntarla en el terminal.</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_secret.cpp" line="-55"/>
        <source>there is no terminal to ask the passphrase on; give it with --passphrase-file</source>
        <translation>no hay terminal para pedir la frase de contraseña; indíquela con --passphrase-file</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>no passphrase was typed</source>
        <translation>no se escribió ninguna frase de contraseña</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 holds no passphrase on its first line</source>
        <translation>%1 no contiene ninguna frase de contraseña en su primera línea</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <location filename="../src/platform/messagebox.cpp" line="+11"/>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>OvelaBackupsModel</name>
    <message>
        <location filename="../src/dialogs/OvelaBackupsModel.cpp" line="+39"/>
        <source>The start of a session</source>
        <translation>Inicio de una sesión</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A daily copy</source>
        <translation>Copia diaria</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before a change by ovela-journal</source>
        <translation>Antes de un cambio de ovela-journal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before a merge from outside</source>
        <translation>Antes de una fusión desde fuera</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before a restore</source>
        <translation>Antes de una restauración</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A sync program&apos;s conflict copy</source>
        <translation>Copia en conflicto de un programa de sincronización</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot be read</source>
        <translation>No se puede leer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No days</source>
        <translation>Ningún día</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n day, last: %1</source>
        <translation>
            <numerusform>%n día, último: %1</numerusform>
            <numerusform>%n días, último: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n days, last: %1</source>
        <translation>
            <numerusform>%n día, último: %1</numerusform>
            <numerusform>%n días, último: %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Backup</source>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>OvelaCalendarLegend</name>
    <message>
        <location filename="../src/calendar/ovela_datebookmonth.cpp" line="+192"/>
        <source>Red ground: predicted bleeding days, counted from the start of the cycle; lighter from day to day.</source>
        <translation>Fondo rojo: días de sangrado previstos, contados desde el inicio del ciclo; más claro de día en día.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Green ground: predicted fertile days; darkest around the expected ovulation.</source>
        <translation>Fondo verde: días fértiles previstos; más oscuro en torno a la ovulación esperada.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Heart: a fertile day, for a wish to conceive.</source>
        <translation>Corazón: un día fértil, para el deseo de concebir.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No-entry sign: a fertile day, for a wish to avoid pregnancy.</source>
        <translation>Señal de prohibido: un día fértil, para el deseo de evitar un embarazo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Girl: a fertile day said to favour a girl.</source>
        <translation>Niña: un día fértil que se dice favorecer a una niña.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Boy: a fertile day said to favour a boy.</source>
        <translation>Niño: un día fértil que se dice favorecer a un niño.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One dark drop: slight bleeding recorded.</source>
        <translation>Una gota oscura: sangrado leve anotado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Two dark drops: normal bleeding recorded.</source>
        <translation>Dos gotas oscuras: sangrado normal anotado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Three dark drops: heavy bleeding recorded.</source>
        <translation>Tres gotas oscuras: sangrado abundante anotado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hollow drop: intermenstrual bleeding recorded.</source>
        <translation>Gota hueca: sangrado intermenstrual anotado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Blue corner: a note.</source>
        <translation>Esquina azul: una nota.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pencil: something else recorded (cervical fluid, appointment, cramps, PMS, love, protection or secret).</source>
        <translation>Lápiz: otra cosa anotada (flujo cervical, cita, calambres, SPM, amor, protección o secreto).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Thermometer: a temperature recorded.</source>
        <translation>Termómetro: una temperatura anotada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Grey ground: a day of the month before or after.</source>
        <translation>Fondo gris: un día del mes anterior o siguiente.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Frame: the selected day.</source>
        <translation>Marco: el día seleccionado.</translation>
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
        <translation>¿Seguro que desea 
borrar todos los datos 
 de este día?</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Put back the previous start of the cycle</source>
        <translation>Restablecer el inicio de ciclo anterior</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Predict from them</source>
        <translation>&amp;Predecir a partir de ellos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No, thanks</source>
        <translation>No, gracias</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>New cycle</source>
        <translation>Nuevo ciclo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Did a new cycle start on %1?</source>
        <translation>¿Empezó un nuevo ciclo el %1?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bleeding is recorded on this day and on none of the five days before it. Yes makes it the start of the cycle.</source>
        <translation>Hay sangrado anotado este día y en ninguno de los cinco días anteriores. Sí lo convierte en el inicio del ciclo.</translation>
    </message>
    <message numerus="yes">
        <location line="+19"/>
        <source>You have recorded %n completed cycles. The calendar can predict from them: from your last recorded start, with the median length of your last 12 cycles. You can change this in the preferences.</source>
        <translation>
            <numerusform>Ha anotado %n ciclo completo. El calendario puede predecir a partir de él: desde su último inicio anotado, con la duración mediana de sus últimos 12 ciclos. Puede cambiarlo en las preferencias.</numerusform>
            <numerusform>Ha anotado %n ciclos completos. El calendario puede predecir a partir de ellos: desde su último inicio anotado, con la duración mediana de sus últimos 12 ciclos. Puede cambiarlo en las preferencias.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The cycle now starts on %1.</source>
        <translation>El ciclo empieza ahora el %1.</translation>
    </message>
</context>
<context>
    <name>OvelaChartWidget</name>
    <message>
        <location filename="../src/charts/ovela_chart.cpp" line="+102"/>
        <source>Temperature chart</source>
        <translation>Gráfica de temperatura</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>%1: no temperature recorded</source>
        <translation>%1: ninguna temperatura anotada</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1: %n temperatures from %2 to %3 %4</source>
        <translation>
            <numerusform>%1: %n temperatura, de %2 a %3 %4</numerusform>
            <numerusform>%1: %n temperaturas, de %2 a %3 %4</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>temperature shift: first higher temperature on %1, confirmed on %2, cover line %3 %4</source>
        <translation>ascenso de temperatura: primera temperatura alta el %1, confirmado el %2, línea de cobertura %3 %4</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no temperature shift found</source>
        <translation>no se encontró ascenso de temperatura</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>cover line %1</source>
        <translation>línea de cobertura %1</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Day</source>
        <translation>Día</translation>
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
        <translation>La otra copia: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These days differ between this diary and the other copy. Choose which version stays. A day left undecided keeps your version and is asked again later.</source>
        <translation>Estos días difieren entre este diario y la otra copia. Elija qué versión se queda. Un día sin decidir conserva su versión y se le volverá a preguntar más tarde.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Keep &amp;mine</source>
        <translation>Conservar la &amp;mía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keeps this diary&apos;s version of the selected days</source>
        <translation>Conserva la versión de este diario en los días elegidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Take the other</source>
        <translation>&amp;Tomar la otra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Takes the other copy&apos;s version of the selected days</source>
        <translation>Toma la versión de la otra copia en los días elegidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Keep all mine</source>
        <translation>&amp;Conservar todas las mías</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keeps this diary&apos;s version of every day</source>
        <translation>Conserva la versión de este diario en todos los días</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take &amp;all the other</source>
        <translation>Tomar tod&amp;as las otras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Takes the other copy&apos;s version of every day</source>
        <translation>Toma la versión de la otra copia en todos los días</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes; undecided days are asked again later</source>
        <translation>Cierra; los días sin decidir se preguntarán más tarde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Days changed in two places</source>
        <translation>Días cambiados en dos sitios</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Days that differ</source>
        <translation>Días que difieren</translation>
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
        <translation>ninguna</translation>
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
        <translation>desconocido (%1)</translation>
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
        <translation>sin registro</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+1"/>
        <source>an empty record</source>
        <translation>un registro vacío</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Keep mine</source>
        <translation>Conservar la mía</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Take the other</source>
        <translation>Tomar la otra</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Undecided</source>
        <translation>Sin decidir</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cycle start</source>
        <translation>Inicio del ciclo</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Mine / the other copy</source>
        <translation>La mía / la otra copia</translation>
    </message>
</context>
<context>
    <name>OvelaCyclePredictionsModel</name>
    <message>
        <location filename="../src/charts/ovela_cycle_predictions_model.cpp" line="+54"/>
        <source>no start-cycle date set</source>
        <translation>sin fecha de inicio del ciclo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Expected start</source>
        <translation>Inicio previsto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Earliest</source>
        <translation>Más pronto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Latest</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Diary&apos;s calendar</source>
        <translation>Calendario del diario</translation>
    </message>
</context>
<context>
    <name>OvelaCycleStatisticsModel</name>
    <message>
        <location filename="../src/charts/ovela_cycle_statistics_model.cpp" line="+70"/>
        <source>Figure</source>
        <translation>Dato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All cycles</source>
        <translation>Todos los ciclos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last 12</source>
        <translation>Últimos 12</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Completed cycles</source>
        <translation>Ciclos completos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mean length (days)</source>
        <translation>Duración media (días)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Median length (days)</source>
        <translation>Duración mediana (días)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Standard deviation (days)</source>
        <translation>Desviación típica (días)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shortest (days)</source>
        <translation>El más corto (días)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Longest (days)</source>
        <translation>El más largo (días)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mean bleeding (days)</source>
        <translation>Sangrado medio (días)</translation>
    </message>
</context>
<context>
    <name>OvelaCyclesModel</name>
    <message>
        <location filename="../src/charts/ovela_cycles_model.cpp" line="+69"/>
        <source>current</source>
        <translation>actual</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <location line="+5"/>
        <source>no shift found</source>
        <translation>no se encontró ascenso</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+5"/>
        <source>%1 (day %2)</source>
        <translation>%1 (día %2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bleeding days</source>
        <translation>Días de sangrado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First higher day</source>
        <translation>Primer día alto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shift confirmed</source>
        <translation>Ascenso confirmado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cover line</source>
        <translation>Línea de cobertura</translation>
    </message>
</context>
<context>
    <name>OvelaCyclesWidget</name>
    <message>
        <location filename="../src/charts/ovela_cycles_widget.cpp" line="+41"/>
        <source>Cycle figures</source>
        <translation>Cifras de los ciclos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your cycles</source>
        <translation>Sus ciclos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cycle statistics</source>
        <translation>Estadística de los ciclos</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Next period starts</source>
        <translation>Próximos inicios del periodo</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Cycles</source>
        <translation>Ciclos</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Statistics</source>
        <translation>Estadística</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Next periods</source>
        <translation>Próximos periodos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>These figures describe what you recorded. They are no method of contraception on their own.</source>
        <translation>Estas cifras describen lo que usted ha anotado. Por sí solas no son un método anticonceptivo.</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>No cycle yet: a cycle starts on a day with bleeding recorded.</source>
        <translation>Todavía no hay ciclos: un ciclo empieza un día con sangrado anotado.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Today is day %1 of your cycle, which started on %2.</source>
        <translation>Hoy es el día %1 de su ciclo, que empezó el %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The last cycle in your record started on %1.</source>
        <translation>El último ciclo de sus registros empezó el %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your last recorded cycle starts on %1.</source>
        <translation>Su último ciclo anotado empieza el %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your next period is expected on %1.</source>
        <translation>Su próximo periodo se espera el %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your next period is expected on %1 (between %2 and %3).</source>
        <translation>Su próximo periodo se espera el %1 (entre el %2 y el %3).</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n cycle(s) over %1 days were taken for gaps in the record and left out.</source>
        <translation>
            <numerusform>%n ciclo de más de %1 días se tomó por un hueco en el registro y se dejó fuera.</numerusform>
            <numerusform>%n ciclos de más de %1 días se tomaron por huecos en el registro y se dejaron fuera.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No prediction: the record ends too long ago.</source>
        <translation>Sin predicción: el registro terminó hace demasiado tiempo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No prediction: it needs one completed cycle.</source>
        <translation>Sin predicción: hace falta al menos un ciclo completo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>From the median length of the last 12 cycles, give or take one standard deviation.</source>
        <translation>A partir de la duración mediana de los últimos 12 ciclos, más o menos una desviación típica.</translation>
    </message>
</context>
<context>
    <name>OvelaDateBookMonth</name>
    <message>
        <location filename="../src/calendar/ovela_datebookmonth.cpp" line="+668"/>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Days of the month</source>
        <translation>Días del mes</translation>
    </message>
</context>
<context>
    <name>OvelaDateBookMonthHeader</name>
    <message>
        <location line="-207"/>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>December</source>
        <translation>Diciembre</translation>
    </message>
</context>
<context>
    <name>OvelaDayItemMonth</name>
    <message>
        <location line="-455"/>
        <source>bleeding day %1</source>
        <translation>día %1 de sangrado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>fertile</source>
        <translation>fértil</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>temperature %1 %2</source>
        <translation>temperatura %1 %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>doctor&apos;s appointment</source>
        <translation>cita médica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cramps</source>
        <translation>cólicos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PMS</source>
        <translation>SPM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>love</source>
        <translation>relaciones sexuales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>protection</source>
        <translation>relación protegida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>secret</source>
        <translation>secreto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a note</source>
        <translation>una nota</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>nothing recorded</source>
        <translation>nada anotado</translation>
    </message>
</context>
<context>
    <name>OvelaJournalBackups</name>
    <message>
        <location filename="../src/core/ovela_journal_backups.cpp" line="+77"/>
        <source>cannot create the backups folder %1</source>
        <translation>no se puede crear la carpeta de copias de seguridad %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>cannot copy %1 to %2: %3</source>
        <translation>no se puede copiar %1 a %2: %3</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>cannot encrypt %1: %2</source>
        <translation>no se puede cifrar %1: %2</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot encrypt %1</source>
        <translation>no se puede cifrar %1</translation>
    </message>
</context>
<context>
    <name>OvelaJournalFile</name>
    <message>
        <location filename="../src/core/ovela_journal_file.cpp" line="+266"/>
        <source>cannot move the unreadable journal %1 aside</source>
        <translation>no se puede apartar el diario ilegible %1</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>an unreadable journal is still at %1</source>
        <translation>todavía hay un diario ilegible en %1</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>a note is too long to be stored</source>
        <translation>una nota es demasiado larga para guardarse</translation>
    </message>
    <message>
        <location line="-75"/>
        <source>cannot create a file in %1: %2</source>
        <translation>no se puede crear un archivo en %1: %2</translation>
    </message>
    <message>
        <location line="-235"/>
        <source>ovelaZ: cannot create the lock file %1; running without it</source>
        <translation>ovelaZ: no se puede crear el archivo de bloqueo %1; se continúa sin él</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>ovelaZ: %1; it will not be replaced</source>
        <translation>ovelaZ: %1; no se reemplazará</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ovelaZ: the journal %1 could not be read; kept as %2</source>
        <translation>ovelaZ: no se pudo leer el diario %1; se guarda como %2</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the journal was changed by another program or device</source>
        <translation>el diario fue modificado por otro programa o dispositivo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ovelaZ: the journal was not saved: %1</source>
        <translation>ovelaZ: el diario no se guardó: %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>cannot rename %1 to %2: %3</source>
        <translation>no se puede cambiar el nombre de %1 a %2: %3</translation>
    </message>
    <message>
        <location line="+56"/>
        <location line="+6"/>
        <location line="+23"/>
        <location line="+5"/>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+27"/>
        <source>cannot sync %1: %2</source>
        <translation>no se puede sincronizar %1 con el disco: %2</translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+27"/>
        <source>%1 does not read back as written (disk full?)</source>
        <translation>%1 no se lee tal como se escribió (¿disco lleno?)</translation>
    </message>
    <message>
        <location line="-419"/>
        <source>the file is too large</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <location line="+147"/>
        <location line="+27"/>
        <source>the encrypted journal %1 cannot be opened: %2</source>
        <translation>el diario cifrado %1 no se puede abrir: %2</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>the encrypted journal at %1 is not open; it will not be replaced</source>
        <translation>el diario cifrado en %1 no está abierto; no se reemplazará</translation>
    </message>
</context>
<context>
    <name>OvelaJournalSeal</name>
    <message>
        <location filename="../src/core/ovela_journal_seal.cpp" line="+474"/>
        <source>it is not an encrypted journal</source>
        <translation>no es un diario cifrado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the passphrase or recovery key does not open it</source>
        <translation>la frase de contraseña o la clave de recuperación no lo abre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it fails authentication: it was damaged or tampered with</source>
        <translation>no supera la autenticación: se dañó o fue manipulado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it was encrypted by a newer version of the diary</source>
        <translation>lo cifró una versión más reciente del diario</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>there is not enough memory to check the passphrase</source>
        <translation>no hay memoria suficiente para comprobar la frase de contraseña</translation>
    </message>
</context>
<context>
    <name>OvelaLegendDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaLegendDialog.cpp" line="+40"/>
        <source>Calendar legend</source>
        <translation>Leyenda del calendario</translation>
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
        <translation>No se puede escribir en la carpeta %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The diary&apos;s folder
%1
cannot be written to.
Entries made now cannot be saved.</source>
        <translation>En la carpeta del diario
%1
no se puede escribir.
Lo que anote ahora no se podrá guardar.</translation>
    </message>
    <message>
        <location line="+39"/>
        <location line="+631"/>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <location line="-610"/>
        <source>Your entries are not saved. The diary %1 could not be written: %2</source>
        <translation>Sus anotaciones no están guardadas. No se ha podido escribir el diario %1: %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose between the versions of the days that differ</source>
        <translation>Elegir entre las versiones de los días que difieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Merge the conflict copy into the diary</source>
        <translation>Combinar la copia en conflicto con el diario</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>A sync program left a conflict copy of the journal: %1. Merge it to bring its days in; it is then kept with the backups.</source>
        <translation>Un programa de sincronización dejó una copia en conflicto del diario: %1. Combínela para incorporar sus días; después se guarda con las copias de seguridad.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a backup could not be made (%1); it is tried again at the next save</source>
        <translation>no se pudo hacer una copia de seguridad (%1); se vuelve a intentar al guardar la próxima vez</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Some days differ between this diary and another copy of it. They keep your version until you choose.</source>
        <translation>Algunos días difieren entre este diario y otra copia. Conservan su versión hasta que usted elija.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>another copy of the journal</source>
        <translation>otra copia del diario</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The backup
%1
could not be read.</source>
        <translation>No se pudo leer la copia de seguridad
%1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The journal as it is could not be kept as a backup, so nothing was restored:
%1</source>
        <translation>No se pudo guardar una copia del diario actual, así que no se restauró nada:
%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The backup of %1 is restored; the journal as it was is kept as a backup.</source>
        <translation>Se restauró la copia del %1; el diario tal como estaba se guarda como copia de seguridad.</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>C&amp;ycles</source>
        <translation>Cic&amp;los</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Show the month calendar</source>
        <translation>Mostrar el calendario del mes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the month&apos;s temperatures as a chart</source>
        <translation>Mostrar las temperaturas del mes en una gráfica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List the month&apos;s temperatures</source>
        <translation>Listar las temperaturas del mes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your cycles, their statistics and the next period starts</source>
        <translation>Sus ciclos, su estadística y los próximos inicios del periodo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Go to today in the calendar</source>
        <translation>Ir al día de hoy en el calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete every day of the diary</source>
        <translation>Borrar todos los días del diario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go back to the journal as a backup holds it</source>
        <translation>Volver al diario tal como lo guarda una copia de seguridad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cycle lengths, goal, temperature scale and pass code</source>
        <translation>Duraciones del ciclo, objetivo, unidad de temperatura y código de acceso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About this program</source>
        <translation>Acerca de este programa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Record the selected day</source>
        <translation>Anotar el día seleccionado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete what the selected day holds</source>
        <translation>Borrar lo anotado en el día seleccionado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The selected day is the first day of the current cycle</source>
        <translation>Marcar el día seleccionado como primer día del ciclo actual</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Are you sure, you want 
to delete all data 
 from your diary?</source>
        <translation>¿Seguro que desea 
borrar todos los datos 
 de su diario?</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The diary may also be open on the computer &quot;%1&quot; (since %2). What is saved there is brought in here when it arrives.</source>
        <translation>Puede que el diario también esté abierto en el ordenador «%1» (desde %2). Lo que se guarde allí se incorpora aquí cuando llegue.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The diary is already open in another window.
This one will now close.</source>
        <translation>El diario ya está abierto en otra ventana.
Esta ventana se cerrará ahora.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Enter password code:</source>
        <translation>Introduzca el código de acceso:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Invalid password code. Application 
will now exit</source>
        <translation>Código de acceso incorrecto. La aplicación 
se cerrará ahora</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The diary file could not be read.
It was kept as
%1
and a new, empty diary was started.</source>
        <translation>No se ha podido leer el archivo del diario.
Se ha conservado como
%1
y se ha empezado un diario nuevo y vacío.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The diary file
%1
could not be read and is left as it is.
Entries made now will not be saved.</source>
        <translation>El archivo del diario
%1
no se ha podido leer y se ha dejado tal como está.
Lo que anote ahora no se guardará.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Your latest entries could not be saved to
%1
%2</source>
        <translation>Sus últimas anotaciones no se han podido guardar en
%1
%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save a copy as...</source>
        <translation>Guardar una copia como...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close without saving</source>
        <translation>Cerrar sin guardar</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Save a copy as</source>
        <translation>Guardar una copia como</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Diary files (*.ovd)</source>
        <translation>Archivos de diario (*.ovd)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The copy could not be saved to
%1
%2</source>
        <translation>No se ha podido guardar la copia en
%1
%2</translation>
    </message>
    <message>
        <location line="-772"/>
        <location line="+1"/>
        <source>Commands</source>
        <translation>Órdenes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Day</source>
        <translation>&amp;Día</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>More commands</source>
        <translation>Más órdenes</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Save warning</source>
        <translation>Aviso de guardado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your entries are not saved</source>
        <translation>Sus anotaciones no están guardadas</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Try to save the diary again</source>
        <translation>Volver a intentar guardar el diario</translation>
    </message>
    <message>
        <location line="+227"/>
        <source>&amp;Calendar</source>
        <translation>&amp;Calendario</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Temperature chart</source>
        <translation>&amp;Gráfica de temperatura</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Temperature &amp;history</source>
        <translation>&amp;Historial de temperaturas</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Previous Month</source>
        <translation>Mes &amp;anterior</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Next Month</source>
        <translation>Mes &amp;siguiente</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Goto Today</source>
        <translation>&amp;Ir a hoy</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>C&amp;lear Database</source>
        <translation>&amp;Borrar todos los datos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Restore from a backup...</source>
        <translation>&amp;Restaurar desde una copia de seguridad...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Preferences ...</source>
        <translation>&amp;Preferencias ...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;About ...</source>
        <translation>Acerca &amp;de ...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Set Start Cycle Date</source>
        <translation>&amp;Marcar inicio del ciclo</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Show the month before</source>
        <translation>Mostrar el mes anterior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the month after</source>
        <translation>Mostrar el mes siguiente</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close the diary</source>
        <translation>Cerrar el diario</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Calendar &amp;Legend</source>
        <translation>Le&amp;yenda del calendario</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>What the calendar&apos;s colours and symbols mean</source>
        <translation>Qué significan los colores y símbolos del calendario</translation>
    </message>
    <message>
        <location line="+174"/>
        <source>The diary is encrypted. Enter its passphrase or recovery key:</source>
        <translation>El diario está cifrado. Introduzca su frase de contraseña o su clave de recuperación:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The diary file
%1
is damaged or has been tampered with: it does not read back as it was written. Nothing was opened, and the file is left as it is.

The command &quot;ovela-journal salvage&quot; keeps what can still be read of it.</source>
        <translation>El archivo del diario
%1
está dañado o ha sido manipulado: no se lee tal como se escribió. No se abrió nada y el archivo se deja como está.

La orden &quot;ovela-journal salvage&quot; conserva lo que aún se puede leer.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The diary file
%1
cannot be opened: %2
It is left as it is.</source>
        <translation>El archivo del diario
%1
no se puede abrir: %2
Se deja como está.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The diary file
%1
changed while it was opened and cannot be read now: %2
It is left as it is; entries made now will not be saved.</source>
        <translation>El archivo del diario
%1
cambió mientras se abría y ahora no se puede leer: %2
Se deja como está; las entradas que haga ahora no se guardarán.</translation>
    </message>
</context>
<context>
    <name>OvelaNewPassphraseDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaPassphraseDialogs.cpp" line="+153"/>
        <source>New passphrase</source>
        <translation>Nueva frase de contraseña</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The journal and every copy the diary writes of it will be encrypted with this passphrase. Any characters, at least %1; a few unusual words are easy to remember and hard to guess.</source>
        <translation>El diario y cada copia que se escriba de él se cifrarán con esta frase de contraseña. Cualquier carácter, al menos %1; unas cuantas palabras poco comunes son fáciles de recordar y difíciles de adivinar.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Passphrase:</source>
        <translation>&amp;Frase de contraseña:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Repeat the passphrase:</source>
        <translation>&amp;Repita la frase de contraseña:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;b&gt;Nobody can recover a forgotten passphrase&lt;/b&gt;: not you, not the makers of this program, not anyone. Without the passphrase or the recovery key the journal cannot be opened again.</source>
        <translation>&lt;b&gt;Nadie puede recuperar una frase de contraseña olvidada&lt;/b&gt;: ni usted, ni los autores de este programa, ni nadie. Sin la frase de contraseña o la clave de recuperación, el diario no se podrá volver a abrir.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Passphrase</source>
        <translation>Frase de contraseña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repeat the passphrase</source>
        <translation>Repita la frase de contraseña</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The two entries differ.</source>
        <translation>Las dos entradas no coinciden.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Too short: at least %1 characters.</source>
        <translation>Demasiado corta: al menos %1 caracteres.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Weak: easy to guess. Make it longer.</source>
        <translation>Débil: fácil de adivinar. Hágala más larga.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fair: a few more characters make it much harder to guess.</source>
        <translation>Aceptable: unos caracteres más la hacen mucho más difícil de adivinar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strong.</source>
        <translation>Fuerte.</translation>
    </message>
</context>
<context>
    <name>OvelaOutsideChanges</name>
    <message>
        <location filename="../src/app/ovela_outside_changes.cpp" line="+143"/>
        <source>The journal on disk was changed elsewhere and cannot be read yet; your entries are kept here and it is tried again in a few seconds.</source>
        <translation>El diario en el disco se modificó en otro lugar y aún no se puede leer; sus entradas se conservan aquí y se vuelve a intentar en unos segundos.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>another copy of the journal</source>
        <translation>otra copia del diario</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Brought in from %1: %2 days added or changed, %3 removed.</source>
        <translation>Incorporado desde %1: %2 días añadidos o cambiados, %3 eliminados.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The start of the cycle is now %1.</source>
        <translation>El ciclo empieza ahora el %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Days that differ on both sides keep your version until you choose.</source>
        <translation>Los días que difieren en ambos lados conservan su versión hasta que usted elija.</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>The conflict copy %1 could not be read; it is left where it is.</source>
        <translation>No se pudo leer la copia en conflicto %1; se deja donde está.</translation>
    </message>
    <message>
        <location line="-167"/>
        <source>The journal on disk was encrypted elsewhere with another passphrase. Your entries are kept here; when the diary closes, that journal is set aside beside yours, still encrypted, and yours is saved.</source>
        <translation>El diario en el disco se cifró en otro lugar con otra frase de contraseña. Sus entradas se conservan aquí; al cerrar el diario, ese diario se aparta junto al suyo, todavía cifrado, y se guarda el suyo.</translation>
    </message>
    <message>
        <location line="+198"/>
        <source>The journal %1 is encrypted with another passphrase than this diary. Enter that passphrase or its recovery key to bring its days in:</source>
        <translation>El diario %1 está cifrado con otra frase de contraseña distinta de la de este diario. Introduzca esa frase de contraseña o su clave de recuperación para incorporar sus días:</translation>
    </message>
</context>
<context>
    <name>OvelaPreferencesBase</name>
    <message>
        <location filename="../src/dialogs/OvelaPreferencesBase.ui" line="+6"/>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Periods</source>
        <translation>Periodos</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+17"/>
        <location line="+7"/>
        <location line="+27"/>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Menstrual Period</source>
        <translation>Menstruación</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Fertile Period</source>
        <translation>Periodo fértil</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cycle Length</source>
        <translation>Duración del ciclo</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Luteal Phase Length</source>
        <translation>Duración de la fase lútea</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>My Goal</source>
        <translation>Mi objetivo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Conceive a boy</source>
        <translation>Concebir un niño</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Conceive a girl</source>
        <translation>Concebir una niña</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Conceive a child (any gender)</source>
        <translation>Concebir un bebé (niño o niña)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Avoid Pregnancy</source>
        <translation>Evitar el embarazo</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Security &amp;&amp;  Other</source>
        <translation>Seguridad &amp;&amp; otros</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Security Settings</source>
        <translation>Ajustes de seguridad</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Change passcode</source>
        <translation>Cambiar código de acceso</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Clear passcode</source>
        <translation>Borrar código de acceso</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Require pass code at startup</source>
        <translation>Pedir el código de acceso al iniciar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Temperature Format</source>
        <translation>Unidad de temperatura</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Celsius C</source>
        <translation>Celsius (°C)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Fahrenheit F</source>
        <translation>Fahrenheit (°F)</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+6"/>
        <source>First Day of the Week</source>
        <translation>Primer día de la semana</translation>
    </message>
</context>
<context>
    <name>OvelaPreferencesBaseDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaPreferencesBase.cpp" line="+43"/>
        <source>As in my region</source>
        <translation>Como en mi región</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Security and Other</source>
        <translation>Seguridad y otros</translation>
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
        <translation>¡La duración del ciclo debe 
estar entre 23 y 35 días!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fertile period length must 
be between 1 and 8 days!</source>
        <translation>¡La duración del periodo fértil debe 
estar entre 1 y 8 días!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Menstrual period length must 
be between 1 and 8 days!</source>
        <translation>¡La duración de la menstruación debe 
estar entre 1 y 8 días!</translation>
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
        <translation>¡La duración de la fase lútea debe 
estar entre 12 y 16 días!</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Enter password code</source>
        <translation>Introduzca el código de acceso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Re-enter password code</source>
        <translation>Vuelva a introducir el código de acceso</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sorry, but your passwords 
must match!</source>
        <translation>¡Lo sentimos, pero los códigos de acceso 
deben coincidir!</translation>
    </message>
    <message>
        <location line="-162"/>
        <source>Predict from my &amp;recorded cycles</source>
        <translation>Predecir a partir de mis ciclos &amp;anotados</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The calendar counts from your last recorded cycle start with the median length of your last 12 completed cycles</source>
        <translation>El calendario cuenta desde su último inicio de ciclo anotado, con la duración mediana de sus últimos 12 ciclos completos</translation>
    </message>
    <message numerus="yes">
        <location line="+174"/>
        <source>Typed: %n days</source>
        <translation>
            <numerusform>Escrita: %n día</numerusform>
            <numerusform>Escrita: %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>From your cycles: %n days</source>
        <translation>
            <numerusform>Según sus ciclos: %n día</numerusform>
            <numerusform>Según sus ciclos: %n días</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>From your cycles: none yet</source>
        <translation>Según sus ciclos: aún ninguna</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>The median of your last %n completed cycles</source>
        <translation>
            <numerusform>La mediana de su último ciclo completo (%n)</numerusform>
            <numerusform>La mediana de sus últimos %n ciclos completos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Encrypt the journal...</source>
        <translation>Cifrar el diario...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypt the journal and its copies with a passphrase</source>
        <translation>Cifrar el diario y sus copias con una frase de contraseña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change passphrase...</source>
        <translation>Cambiar la frase de contraseña...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypt the journal with a new passphrase</source>
        <translation>Cifrar el diario con una nueva frase de contraseña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop encrypting...</source>
        <translation>Dejar de cifrar...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write the journal unencrypted again</source>
        <translation>Volver a escribir el diario sin cifrar</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The journal is encrypted.</source>
        <translation>El diario está cifrado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The journal is not encrypted.</source>
        <translation>El diario no está cifrado.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The journal could not be encrypted: %1</source>
        <translation>No se pudo cifrar el diario: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The journal could not be encrypted; it stays as it was.
%1</source>
        <translation>No se pudo cifrar el diario; queda como estaba.
%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Enter the journal&apos;s current passphrase or its recovery key:</source>
        <translation>Introduzca la frase de contraseña actual del diario o su clave de recuperación:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The journal could not be written with the new passphrase; the old one still opens it.
%1</source>
        <translation>No se pudo escribir el diario con la nueva frase de contraseña; la anterior todavía lo abre.
%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The journal will be written unencrypted again; backups made while it was encrypted stay encrypted. Enter its passphrase or recovery key:</source>
        <translation>El diario se volverá a escribir sin cifrar; las copias de seguridad hechas mientras estaba cifrado siguen cifradas. Introduzca su frase de contraseña o su clave de recuperación:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The journal could not be written unencrypted; it stays encrypted.
%1</source>
        <translation>No se pudo escribir el diario sin cifrar; sigue cifrado.
%1</translation>
    </message>
</context>
<context>
    <name>OvelaRecordEntryBase</name>
    <message>
        <location filename="../src/dialogs/OvelaRecordEntryBase.ui" line="+6"/>
        <source>Day data</source>
        <translation>Datos del día</translation>
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
        <translation>Nota</translation>
    </message>
    <message>
        <location line="+27"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-88"/>
        <source>Love</source>
        <translation>Relaciones</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-3"/>
        <source>Dr&apos;s apt.</source>
        <translation>Cita médica</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+70"/>
        <source>Basal Temp</source>
        <translation>Temp. basal</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-3"/>
        <source>Cervical Fluid</source>
        <translation>Flujo cervical</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-62"/>
        <source>Secret</source>
        <translation>Secreto</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-21"/>
        <source>Dry</source>
        <translation>Seco</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Slight Bleeding</source>
        <translation>Sangrado leve</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Normal Bleeding</source>
        <translation>Sangrado normal</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Heavy Bleeding</source>
        <translation>Sangrado abundante</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Intermenstrual</source>
        <translation>Sangrado intermenstrual</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Cloudy, Sticky</source>
        <translation>Turbio, pegajoso</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Strechy, White</source>
        <translation>Elástico, blanco</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+14"/>
        <source>Protection</source>
        <translation>Relación protegida</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-2"/>
        <source>PMS</source>
        <translation>SPM</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-1"/>
        <source>Cramps</source>
        <translation>Cólicos</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear</source>
        <translation>Borrar</translation>
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
        <translation>Ninguna</translation>
    </message>
</context>
<context>
    <name>OvelaRecoveryKeyDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaPassphraseDialogs.cpp" line="+15"/>
        <location line="+13"/>
        <source>Recovery key</source>
        <translation>Clave de recuperación</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>This recovery key opens the journal if the passphrase is forgotten. Write it down now and keep it somewhere safe, away from this computer: it is shown only this once.</source>
        <translation>Esta clave de recuperación abre el diario si se olvida la frase de contraseña. Anótela ahora y guárdela en un lugar seguro, lejos de este ordenador: solo se muestra esta vez.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>I have &amp;written it down</source>
        <translation>La he &amp;anotado</translation>
    </message>
</context>
<context>
    <name>OvelaRestoreDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaRestoreDialog.cpp" line="+18"/>
        <source>Choose the copy of the journal to go back to. Restoring keeps the current journal as a backup first.</source>
        <translation>Elija la copia del diario a la que volver. Al restaurar, el diario actual se guarda antes como copia de seguridad.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There are no backups yet.</source>
        <translation>Todavía no hay copias de seguridad.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+30"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Restore from a backup</source>
        <translation>Restaurar una copia de seguridad</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restores the selected backup</source>
        <translation>Restaura la copia elegida</translation>
    </message>
</context>
<context>
    <name>OvelaTempHistoryWidget</name>
    <message>
        <location filename="../src/charts/ovela_temphistory_widget.cpp" line="+86"/>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperature F</source>
        <translation>Temperatura °F</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Temperature C</source>
        <translation>Temperatura °C</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Temperature history</source>
        <translation>Historial de temperaturas</translation>
    </message>
</context>
<context>
    <name>OvelaUnlockDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaPassphraseDialogs.cpp" line="-188"/>
        <source>Encrypted journal</source>
        <translation>Diario cifrado</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Passphrase or recovery key</source>
        <translation>Frase de contraseña o clave de recuperación</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>That passphrase or recovery key does not open the journal. Please try again.</source>
        <translation>Esa frase de contraseña o clave de recuperación no abre el diario. Inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>OvelaWindowSealing</name>
    <message>
        <location filename="../src/app/ovela_window_sealing.cpp" line="+40"/>
        <source>The journal is encrypted, but not every copy of it could be (%1). Delete those copies if others can reach them.</source>
        <translation>El diario está cifrado, pero no todas sus copias se pudieron cifrar (%1). Borre esas copias si otras personas pueden acceder a ellas.</translation>
    </message>
</context>
<context>
    <name>Password</name>
    <message>
        <location filename="../src/platform/password.cpp" line="+38"/>
        <source>Pass code</source>
        <translation>Código de acceso</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Del</source>
        <translation>Borrar</translation>
    </message>
</context>
</TS>
