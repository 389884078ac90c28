<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBase</name>
    <message>
        <location filename="../src/dialogs/AboutBase.ui" line="+6"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Quorin Version 3.2</source>
        <translation>Quorin version 3.2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ovelaZ, a diary of the
menstrual cycle and its
fertile days, for Linux
handhelds and phones</source>
        <translation>ovelaZ, un carnet du
cycle menstruel et de
ses jours fertiles, pour
mobiles et téléphones Linux</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Support:
the ovelaZ issue tracker</source>
        <translation>Assistance&#xa0;:
le suivi des tickets d&apos;ovelaZ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>2024-2026 the ovelaZ team</source>
        <translation>2024-2026 l&apos;équipe ovelaZ</translation>
    </message>
</context>
<context>
    <name>JournalText</name>
    <message>
        <location filename="../src/journaltool/ovela_journal_commands.cpp" line="+73"/>
        <location line="+388"/>
        <location filename="../src/journaltool/ovela_journal_insight.cpp" line="+112"/>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <location line="-253"/>
        <location line="+74"/>
        <location line="+797"/>
        <source>%1: no such file</source>
        <translation>%1 : fichier introuvable</translation>
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
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="-1311"/>
        <source>%1 does not load as a journal; &quot;ovela-journal check %1&quot; tells why</source>
        <translation>%1 ne se charge pas comme journal ; &quot;ovela-journal check %1&quot; en indique la raison</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>%1 is the journal itself; choose another file</source>
        <translation>%1 est le journal lui-même ; choisissez un autre fichier</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+361"/>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <location line="-359"/>
        <source>Write to &lt;file&gt; instead of standard output.</source>
        <translation>Écrire dans &lt;fichier&gt; au lieu de la sortie standard.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+442"/>
        <location line="+340"/>
        <location line="+79"/>
        <location line="+113"/>
        <location line="+322"/>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <location line="-1293"/>
        <source>ics: predict this many cycles from the current one. Default: 6.</source>
        <translation>ics : prévoir ce nombre de cycles à partir du cycle en cours. Par défaut : 6.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>--cycles takes a number from 0 to 1000</source>
        <translation>--cycles attend un nombre entre 0 et 1000</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>ovela-journal: no start-cycle date is set; the calendar holds no predictions</source>
        <translation>ovela-journal: aucune date de début de cycle n&apos;est définie ; le calendrier ne contient aucune prévision</translation>
    </message>
    <message numerus="yes">
        <location line="+147"/>
        <source>%n left out (outside 36.00-38.00 °C; kept in the note)</source>
        <translation>
            <numerusform>%n omise (hors de 36,00-38,00 °C ; gardée dans la note)</numerusform>
            <numerusform>%n omises (hors de 36,00-38,00 °C ; gardées dans la note)</numerusform>
        </translation>
    </message>
    <message>
        <location line="-432"/>
        <source>the diary is open (process %1 holds %2); close it and try again. Nothing was written.</source>
        <translation>le carnet est ouvert (le processus %1 détient %2) ; fermez-le et réessayez. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ovela-journal: cannot lock %1; writing without the lock</source>
        <translation>ovela-journal: impossible de verrouiller %1 ; écriture sans verrou</translation>
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
        <translation>. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <location line="-867"/>
        <source>Nothing was written. Choose which side wins with --prefer-journal or the other --prefer option.</source>
        <translation>Rien n&apos;a été écrit. Choisissez quelle version l&apos;emporte avec --prefer-journal ou l&apos;autre option --prefer.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>added</source>
        <translation>ajouté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>removed</source>
        <translation>supprimé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kept as in the journal</source>
        <translation>conservé comme dans le journal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>start-cycle date: %1 -&gt; %2</source>
        <translation>date de début de cycle : %1 -&gt; %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+336"/>
        <location line="+175"/>
        <location line="+113"/>
        <location line="+53"/>
        <location line="+31"/>
        <source>%1 was not written: %2</source>
        <translation>%1 n&apos;a pas été écrit : %2</translation>
    </message>
    <message>
        <location line="-696"/>
        <source>Dry run: nothing was written.</source>
        <translation>Simulation : rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>csv or json as export writes them, or drip (the CSV export of the drip app). Default: from the file.</source>
        <translation>csv ou json tels qu&apos;export les écrit, ou drip (l&apos;export CSV de l&apos;application drip). Par défaut : d&apos;après le fichier.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replace the whole journal with the file&apos;s records.</source>
        <translation>Remplacer tout le journal par les enregistrements du fichier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Where a day differs, take the file&apos;s record.</source>
        <translation>Là où un jour diffère, prendre l&apos;enregistrement du fichier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Where a day differs, keep the journal&apos;s record.</source>
        <translation>Là où un jour diffère, garder l&apos;enregistrement du journal.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+74"/>
        <source>Show what would change; write nothing.</source>
        <translation>Montrer ce qui changerait ; ne rien écrire.</translation>
    </message>
    <message>
        <location line="-741"/>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>an unknown time</source>
        <translation>un moment inconnu</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>ovela-journal: the journal may be open on the computer &quot;%1&quot; (locked since %2); checking it as last saved</source>
        <translation>ovela-journal : le journal est peut-être ouvert sur l&apos;ordinateur &quot;%1&quot; (verrouillé depuis %2) ; vérification du journal tel qu&apos;enregistré en dernier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ovela-journal: the journal may be open on the computer &quot;%1&quot; (locked since %2); reading it as last saved</source>
        <translation>ovela-journal : le journal est peut-être ouvert sur l&apos;ordinateur &quot;%1&quot; (verrouillé depuis %2) ; lecture du journal tel qu&apos;enregistré en dernier</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>ovela-journal: the journal is locked by the computer &quot;%1&quot; (since %2); writing anyway, as --ignore-foreign-lock asks</source>
        <translation>ovela-journal : le journal est verrouillé par l&apos;ordinateur &quot;%1&quot; (depuis %2) ; écriture malgré tout, comme le demande --ignore-foreign-lock</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the journal is locked by the computer &quot;%1&quot; (since %2): the diary may be open there. Nothing was written. When it is not (the lock came with a sync program, or a crash there left it), --ignore-foreign-lock writes all the same.</source>
        <translation>le journal est verrouillé par l&apos;ordinateur &quot;%1&quot; (depuis %2) : le journal intime y est peut-être ouvert. Rien n&apos;a été écrit. S&apos;il ne l&apos;est pas (le verrou est venu avec un programme de synchronisation, ou un plantage là-bas l&apos;a laissé), --ignore-foreign-lock écrit quand même.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>no backup of the journal could be made (%1). Nothing was written.</source>
        <translation>aucune sauvegarde du journal n&apos;a pu être faite (%1). Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>standard input: %1</source>
        <translation>entrée standard : %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 holds more than %2 MiB; it was read no further and nothing was written</source>
        <translation>%1 contient plus de %2 Mio ; la lecture s&apos;est arrêtée et rien n&apos;a été écrit</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+805"/>
        <source>%1 inflates to more than %2 MiB, far more than any journal; it was read no further</source>
        <translation>%1 se décompresse en plus de %2 Mio, bien plus que tout journal ; la lecture s&apos;est arrêtée</translation>
    </message>
    <message>
        <location line="-744"/>
        <source>csv (the records only), json (the records, the start-cycle date and the settings), drip (a file the drip app imports) or ics (bleeding and predicted days for a calendar program). Default: csv.</source>
        <translation>csv (les relevés seuls), json (les relevés, la date de début de cycle et les réglages), drip (un fichier que l&apos;application drip importe) ou ics (saignements et jours prévus pour un agenda). Par défaut : csv.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ics: neutral summaries (&quot;P&quot; and &quot;F&quot;, or those given below) and calendar name, for a shared or work calendar.</source>
        <translation>ics : titres neutres (« P » et « F », ou ceux donnés ci-dessous) et nom d&apos;agenda neutre, pour un agenda partagé ou professionnel.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ics: the summary of period days; implies --discreet.</source>
        <translation>ics : le titre des jours de règles ; implique --discreet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>ics: the summary of fertile days; implies --discreet.</source>
        <translation>ics : le titre des jours fertiles ; implique --discreet.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>unknown format &quot;%1&quot; (csv, json, drip or ics)</source>
        <translation>format inconnu « %1 » (csv, json, drip ou ics)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--%1 belongs to the ics format</source>
        <translation>--%1 appartient au format ics</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>ovela-journal: the record ends on %1; the calendar predicts from today, and says so in each prediction</source>
        <translation>ovela-journal : les relevés s&apos;arrêtent le %1 ; l&apos;agenda prévoit à partir d&apos;aujourd&apos;hui et le signale dans chaque prévision</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cervical fluid</source>
        <translation>glaire cervicale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>temperature</source>
        <translation>température</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>doctor</source>
        <translation>médecin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cramps</source>
        <translation>crampes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PMS</source>
        <translation>SPM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>love</source>
        <translation>amour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>protection</source>
        <translation>contraception</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>secret</source>
        <translation>secret</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2 in the journal, %3 in %4</source>
        <translation>%1 : %2 dans le journal, %3 dans %4</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>cycle length</source>
        <translation>durée du cycle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>menstrual period</source>
        <translation>règles</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fertile period</source>
        <translation>période fertile</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>luteal phase</source>
        <translation>phase lutéale</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>goal</source>
        <translation>objectif</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unit</source>
        <translation>unité</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%n day(s) read</source>
        <translation>
            <numerusform>%n jour lu</numerusform>
            <numerusform>%n jours lus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n added</source>
        <translation>
            <numerusform>%n ajouté</numerusform>
            <numerusform>%n ajoutés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n changed</source>
        <translation>
            <numerusform>%n modifié</numerusform>
            <numerusform>%n modifiés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n unchanged</source>
        <translation>
            <numerusform>%n inchangé</numerusform>
            <numerusform>%n inchangés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n kept as in the journal</source>
        <translation>
            <numerusform>%n gardé tel quel dans le journal</numerusform>
            <numerusform>%n gardés tels quels dans le journal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n removed</source>
        <translation>
            <numerusform>%n supprimé</numerusform>
            <numerusform>%n supprimés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n with nothing recorded</source>
        <translation>
            <numerusform>%n sans rien de noté</numerusform>
            <numerusform>%n sans rien de noté</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n with only mucus &quot;dry&quot; or &quot;nothing&quot;, which the diary cannot tell from a day without a record</source>
        <translation>
            <numerusform>%n avec seulement la glaire « sèche » ou « rien », que le journal ne distingue pas d&apos;un jour sans relevé</numerusform>
            <numerusform>%n avec seulement la glaire « sèche » ou « rien », que le journal ne distingue pas d&apos;un jour sans relevé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n skipped</source>
        <translation>
            <numerusform>%n ignoré</numerusform>
            <numerusform>%n ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n noted: what has no field here was added to the day&apos;s note</source>
        <translation>
            <numerusform>%n annoté : ce qui n&apos;a pas de champ ici a été ajouté à la note du jour</numerusform>
            <numerusform>%n annotés : ce qui n&apos;a pas de champ ici a été ajouté à la note du jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n rounded to the scale</source>
        <translation>
            <numerusform>%n arrondie à l&apos;échelle</numerusform>
            <numerusform>%n arrondies à l&apos;échelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n marked excluded (kept in the note only)</source>
        <translation>
            <numerusform>%n marquée exclue (gardée dans la note seulement)</numerusform>
            <numerusform>%n marquées exclues (gardées dans la note seulement)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>temperatures: %1</source>
        <translation>températures : %1</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n bleeding(s) marked excluded, stored as &quot;Intermenstrual&quot; (never a cycle&apos;s start)</source>
        <translation>
            <numerusform>%n saignement marqué exclu, enregistré comme « Intermenstruel » (jamais un début de cycle)</numerusform>
            <numerusform>%n saignements marqués exclus, enregistrés comme « Intermenstruel » (jamais un début de cycle)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>drip&apos;s cycle starts (isCycleStart) differ from the diary&apos;s bleeding rule on %n day(s):</source>
        <translation>
            <numerusform>Les débuts de cycle de drip (isCycleStart) diffèrent de la règle des saignements du journal sur %n jour :</numerusform>
            <numerusform>Les débuts de cycle de drip (isCycleStart) diffèrent de la règle des saignements du journal sur %n jours :</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: a start in drip, not by the bleeding rule</source>
        <translation>%1 : un début dans drip, pas selon la règle des saignements</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: a start by the bleeding rule, not in drip</source>
        <translation>%1 : un début selon la règle des saignements, pas dans drip</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: no such journal; nothing was written. &quot;import --create&quot; makes a new one there.</source>
        <translation>%1 : pas de tel journal ; rien n&apos;a été écrit. « import --create » en crée un nouveau à cet endroit.</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>ovela-journal: %n day(s) hold a different record in %1 and in the journal:</source>
        <translation>
            <numerusform>ovela-journal : %n jour a un relevé différent dans %1 et dans le journal :</numerusform>
            <numerusform>ovela-journal : %n jours ont un relevé différent dans %1 et dans le journal :</numerusform>
        </translation>
    </message>
    <message>
        <location line="+24"/>
        <source>this would leave %1 of the journal&apos;s %2 days; add --yes if that is what you want</source>
        <translation>il ne resterait que %1 des %2 jours du journal ; ajoutez --yes si c&apos;est bien ce que vous voulez</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>A real run refuses: %1.</source>
        <translation>Une exécution réelle refuse : %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>settings: %1</source>
        <translation>réglages : %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>settings: as they were</source>
        <translation>réglages : inchangés</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+337"/>
        <source>%1 was made.</source>
        <translation>%1 a été créé.</translation>
    </message>
    <message>
        <location line="-335"/>
        <source>The journal already held all of it; nothing was written to it.</source>
        <translation>Le journal contenait déjà tout ; rien n&apos;y a été écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+330"/>
        <source>the journal as it was is kept as %1</source>
        <translation>le journal tel qu&apos;il était est conservé sous %1</translation>
    </message>
    <message>
        <location line="-322"/>
        <source>Write although another computer&apos;s lock is on the journal (one a sync program carried, or a crash there left).</source>
        <translation>Écrire bien qu&apos;un autre ordinateur ait verrouillé le journal (verrou apporté par un programme de synchronisation, ou laissé par un plantage là-bas).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Make the journal when it does not exist yet.</source>
        <translation>Créer le journal s&apos;il n&apos;existe pas encore.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Allow an import that leaves fewer than half the days of a journal of more than 30.</source>
        <translation>Autoriser une importation qui laisse moins de la moitié des jours d&apos;un journal de plus de 30 jours.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>json: also restore the settings the file carries (lengths, goal, unit).</source>
        <translation>json : restaurer aussi les réglages du fichier (durées, objectif, unité).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>import takes one file (&quot;-&quot; for standard input)</source>
        <translation>import attend un seul fichier (« - » pour l&apos;entrée standard)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--prefer-import and --prefer-journal exclude each other</source>
        <translation>--prefer-import et --prefer-journal s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--replace takes every record of the file; it excludes --prefer-import and --prefer-journal</source>
        <translation>--replace prend tous les relevés du fichier ; il exclut --prefer-import et --prefer-journal</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>unknown format &quot;%1&quot; (csv, json or drip)</source>
        <translation>format inconnu &quot;%1&quot; (csv, json ou drip)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--settings needs a json file; only json carries the settings</source>
        <translation>--settings demande un fichier json ; seul json contient les réglages</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: %2. Nothing was written.</source>
        <translation>%1 : %2. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 carries no settings (only a json export does). Nothing was written.</source>
        <translation>%1 ne contient pas de réglages (seul un export json en contient). Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Where a day differs, take the other journal&apos;s record.</source>
        <translation>Là où un jour diffère, prendre l&apos;enregistrement de l&apos;autre journal.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Where a day differs, keep this journal&apos;s record.</source>
        <translation>Là où un jour diffère, garder l&apos;enregistrement de ce journal.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>merge takes one other journal</source>
        <translation>merge attend un seul autre journal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--prefer-other and --prefer-journal exclude each other</source>
        <translation>--prefer-other et --prefer-journal s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>session start</source>
        <translation>début de session</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>daily</source>
        <translation>quotidienne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>before ovela-journal</source>
        <translation>avant ovela-journal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>before a merge</source>
        <translation>avant une fusion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>before a restore</source>
        <translation>avant une restauration</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>conflict copy</source>
        <translation>copie de conflit</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+178"/>
        <source>Print pure JSON instead of a table.</source>
        <translation>Afficher du JSON pur au lieu d&apos;un tableau.</translation>
    </message>
    <message>
        <location line="-109"/>
        <source>No backups yet in %1.</source>
        <translation>Pas encore de sauvegarde dans %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Backups in %1, newest first:</source>
        <translation>Sauvegardes dans %1, la plus récente d&apos;abord :</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>does not load</source>
        <translation>ne se charge pas</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n day(s), the last %1</source>
        <translation>
            <numerusform>%n jour, le dernier %1</numerusform>
            <numerusform>%n jours, le dernier %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no days</source>
        <translation>aucun jour</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;ovela-journal restore N&quot; brings back number N; the journal as it is now is kept first.</source>
        <translation>&quot;ovela-journal restore N&quot; ramène le numéro N ; le journal tel qu&apos;il est maintenant est conservé d&apos;abord.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>restore takes one backup: its number in &quot;ovela-journal backups&quot;, or its path</source>
        <translation>restore attend une sauvegarde : son numéro dans &quot;ovela-journal backups&quot;, ou son chemin</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>restored %1: no days</source>
        <translation>%1 restauré : aucun jour</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>restored %1: %n day(s), the last %2</source>
        <translation>
            <numerusform>%1 restauré : %n jour, le dernier %2</numerusform>
            <numerusform>%1 restauré : %n jours, le dernier %2</numerusform>
        </translation>
    </message>
    <message>
        <location line="+48"/>
        <source>check takes at most one file</source>
        <translation>check attend au plus un fichier</translation>
    </message>
    <message>
        <location line="-955"/>
        <source>ovela-journal: the diary is open; checking the journal as last saved</source>
        <translation>ovela-journal: le carnet est ouvert ; vérification du journal tel qu&apos;enregistré en dernier</translation>
    </message>
    <message>
        <location line="+991"/>
        <source>%1: loads</source>
        <translation>%1 : se charge correctement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>records: %1</source>
        <translation>enregistrements : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>first: %1</source>
        <translation>premier : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last: %1</source>
        <translation>dernier : %1</translation>
    </message>
    <message>
        <location line="-84"/>
        <location line="+85"/>
        <location line="+18"/>
        <source>start-cycle date: %1</source>
        <translation>date de début de cycle : %1</translation>
    </message>
    <message numerus="yes">
        <location line="-142"/>
        <source>there is no backup number %1; &quot;ovela-journal backups&quot; lists %n backup(s). Nothing was written.</source>
        <translation>
            <numerusform>il n&apos;y a pas de sauvegarde numéro %1 ; &quot;ovela-journal backups&quot; en liste %n. Rien n&apos;a été écrit.</numerusform>
            <numerusform>il n&apos;y a pas de sauvegarde numéro %1 ; &quot;ovela-journal backups&quot; en liste %n. Rien n&apos;a été écrit.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+100"/>
        <location line="+30"/>
        <source>%1: does not load</source>
        <translation>%1 : ne se charge pas</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+30"/>
        <source>damage: %1</source>
        <translation>défaut : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>reads whole to byte offset %1 of the inflated stream (%2 bytes inflated)</source>
        <translation>lisible en entier jusqu&apos;à l&apos;octet %1 du flux décompressé (%2 octets décompressés)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>whole records before the damage: %1</source>
        <translation>enregistrements intacts avant le défaut : %1</translation>
    </message>
    <message>
        <location line="-37"/>
        <location line="+42"/>
        <source>&quot;ovela-journal salvage %1 -o NEW&quot; keeps what is whole.</source>
        <translation>&quot;ovela-journal salvage %1 -o NOUVEAU&quot; conserve ce qui est intact.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The new journal to write; it must not exist yet.</source>
        <translation>Le nouveau journal à écrire ; il ne doit pas encore exister.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>salvage takes one damaged file</source>
        <translation>salvage attend un seul fichier endommagé</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>salvage needs -o NEW, the journal to write</source>
        <translation>salvage a besoin de -o NOUVEAU, le journal à écrire</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 exists; salvage writes a new file only</source>
        <translation>%1 existe déjà ; salvage n&apos;écrit que dans un nouveau fichier</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+8"/>
        <source>%1: nothing to salvage: %2</source>
        <translation>%1 : rien à récupérer : %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+167"/>
        <source>%1 is locked by the diary (process %2)</source>
        <translation>%1 est verrouillé par le carnet (processus %2)</translation>
    </message>
    <message numerus="yes">
        <location line="-159"/>
        <source>%1 is whole: all %n record(s) kept</source>
        <translation>
            <numerusform>%1 est entier : le seul relevé (%n) a été gardé</numerusform>
            <numerusform>%1 est entier : les %n relevés ont été gardés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>kept %n whole record(s) of %1 announced</source>
        <translation>
            <numerusform>%n relevé entier gardé sur %1 annoncés</numerusform>
            <numerusform>%n relevés entiers gardés sur %1 annoncés</numerusform>
        </translation>
    </message>
    <message>
        <location line="+322"/>
        <source>%1: no such journal; nothing was read</source>
        <translation>%1 : pas de tel journal ; rien n&apos;a été lu</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;ovela-journal COMMAND --help&quot; describes a command.</source>
        <translation>« ovela-journal COMMANDE --help » décrit une commande.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Write the journal as csv, json, drip&apos;s csv or ics.</source>
        <translation>Écrire le journal en csv, json, csv de drip ou ics.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>List the diary&apos;s backups, newest first, with their days.</source>
        <translation>Lister les sauvegardes du journal, la plus récente d&apos;abord, avec leurs jours.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bring back a backup as the journal, keeping the journal as it is first.</source>
        <translation>Ramener une sauvegarde comme journal, en conservant d&apos;abord le journal tel qu&apos;il est.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>N is a number that &quot;ovela-journal backups&quot; shows; PATH is a backup file (a file named by digits alone is written ./NAME).</source>
        <translation>N est un numéro que montre &quot;ovela-journal backups&quot; ; PATH est un fichier de sauvegarde (un fichier nommé seulement de chiffres s&apos;écrit ./NOM).</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>%1 takes no file name (&quot;%2&quot;)</source>
        <translation>%1 n&apos;attend pas de nom de fichier (« %2 »)</translation>
    </message>
    <message>
        <location line="-510"/>
        <source>the start-cycle date was lost; set it again in the diary</source>
        <translation>la date de début de cycle a été perdue ; définissez-la à nouveau dans le carnet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>written to %1</source>
        <translation>écrit dans %1</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>Commands:</source>
        <translation>Commandes :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;ovela-journal COMMAND --help&quot; describes a command. Every command works on the diary&apos;s own journal unless --journal names another.</source>
        <translation>&quot;ovela-journal COMMANDE --help&quot; décrit une commande. Chaque commande travaille sur le journal du carnet, sauf si --journal en désigne un autre.</translation>
    </message>
    <message>
        <location line="-1287"/>
        <source>ovela-journal: the diary is open; reading the journal as last saved</source>
        <translation>ovela-journal: le carnet est ouvert ; lecture du journal tel qu&apos;enregistré en dernier</translation>
    </message>
    <message>
        <location line="+1450"/>
        <source>Bring in records from csv, json or drip&apos;s csv.</source>
        <translation>Importer des enregistrements depuis du csv, du json ou le csv de drip.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bring in the records of another journal file.</source>
        <translation>Importer les enregistrements d&apos;un autre fichier journal.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Tell whether a journal file loads, and how far if not.</source>
        <translation>Indiquer si un fichier journal se charge et, sinon, jusqu&apos;où.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keep every whole record of a damaged journal in a new one.</source>
        <translation>Conserver chaque enregistrement intact d&apos;un journal endommagé dans un nouveau journal.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>List the cycles the record shows, with the temperature shift of each.</source>
        <translation>Lister les cycles visibles dans les relevés, avec la montée de température de chacun.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cycle statistics and the next period starts the record suggests.</source>
        <translation>Statistiques des cycles et prochains débuts de règles suggérés par les relevés.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The diary&apos;s data out, in, merged, checked and rescued, without its window.</source>
        <translation>Les données du carnet exportées, importées, fusionnées, vérifiées et récupérées, sans sa fenêtre.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Work on the journal &lt;path&gt; instead of the diary&apos;s own.</source>
        <translation>Travailler sur le journal &lt;chemin&gt; au lieu de celui du carnet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>path</source>
        <translation>chemin</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>What to do (see below).</source>
        <translation>Ce qu&apos;il faut faire (voir ci-dessous).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>command [options]</source>
        <translation>commande [options]</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+23"/>
        <source>&quot;ovela-journal --help&quot; lists the commands and options.</source>
        <translation>« ovela-journal --help » liste les commandes et les options.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Example:</source>
        <translation>Exemple :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>ovela-journal: unknown command &quot;%1&quot;</source>
        <translation>ovela-journal: commande inconnue &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_csv.cpp" line="+21"/>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="+27"/>
        <location filename="../src/journaltool/ovela_journal_json.cpp" line="+39"/>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>unknown cervical fluid code &quot;%1&quot;</source>
        <translation>code de glaire cervicale inconnu &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="+232"/>
        <source>unknown cervical fluid &quot;%1&quot;</source>
        <translation>glaire cervicale inconnue &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the code %1 is not &quot;%2&quot;</source>
        <translation>le code %1 ne correspond pas à &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>temperature code &quot;%1&quot; is off the scale (0 to %2)</source>
        <translation>le code de température &quot;%1&quot; est hors échelle (0 à %2)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>temperature %1 %2 is off the scale</source>
        <translation>la température %1 %2 est hors échelle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>temperature %1 %2 does not match the code %3</source>
        <translation>la température %1 %2 ne correspond pas au code %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a mark is 0 or 1, not &quot;%1&quot;</source>
        <translation>un marqueur vaut 0 ou 1, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>: not UTF-8 text (byte offset %1)</source>
        <translation> : texte non UTF-8 (octet %1)</translation>
    </message>
    <message>
        <location line="+60"/>
        <location line="+6"/>
        <source>: a quote inside an unquoted field</source>
        <translation>: guillemet dans un champ sans guillemets</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>: text after a closing quote</source>
        <translation>: texte après un guillemet fermant</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>: a quoted field is never closed</source>
        <translation>: un champ entre guillemets n&apos;est jamais fermé</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>line 1: the file is empty</source>
        <translation>ligne 1 : le fichier est vide</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>line %1: the file ends without its final line end; it was cut short (every export ends in one)</source>
        <translation>ligne %1 : le fichier se termine sans sa dernière fin de ligne ; il a été tronqué (tout export en a une)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>line 1: the header is not &quot;%1&quot;</source>
        <translation>ligne 1 : l&apos;en-tête n&apos;est pas &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="-52"/>
        <source>line %1: %2 fields where the header has %3</source>
        <translation>ligne %1 : %2 champs alors que l&apos;en-tête en a %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="+36"/>
        <source>: &quot;%1&quot; is not a date (yyyy-mm-dd)</source>
        <translation>: &quot;%1&quot; n&apos;est pas une date (aaaa-mm-jj)</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="+3"/>
        <location filename="../src/journaltool/ovela_journal_json.cpp" line="+319"/>
        <source>: %1 appears a second time</source>
        <translation>: %1 apparaît une deuxième fois</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_drip.cpp" line="-58"/>
        <source>line 1: no header row</source>
        <translation>ligne 1 : aucune ligne d&apos;en-tête</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>: the column &quot;%1&quot; appears twice</source>
        <translation>: la colonne &quot;%1&quot; apparaît deux fois</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>unknown bleeding value &quot;%1&quot;</source>
        <translation>valeur de saignement inconnue « %1 »</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>line 1: the header has no &quot;date&quot; column</source>
        <translation>ligne 1 : l&apos;en-tête n&apos;a pas de colonne &quot;date&quot;</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>: &quot;%1&quot; is neither true nor false</source>
        <translation>: &quot;%1&quot; ne vaut ni true ni false</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>: &quot;%1&quot; is not a temperature</source>
        <translation>: &quot;%1&quot; n&apos;est pas une température</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_ics.cpp" line="+107"/>
        <source>Cycle diary</source>
        <translation>Carnet de cycle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Diary</source>
        <translation>Journal</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Period</source>
        <translation>Règles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bleeding recorded in the diary</source>
        <translation>Saignements notés dans le carnet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An estimate by the calendar method from the cycle lengths set in the diary, not a measurement. It is no contraception.</source>
        <translation>Une estimation par la méthode du calendrier à partir des durées réglées dans le journal, pas une mesure. Ce n&apos;est pas une contraception.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The record ends on %1: these dates carry its rhythm on from today.</source>
        <translation>Les relevés s&apos;arrêtent le %1 : ces dates prolongent leur rythme à partir d&apos;aujourd&apos;hui.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Period (predicted)</source>
        <translation>Règles (prévues)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Fertile days (predicted)</source>
        <translation>Jours fertiles (prévus)</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_insight.cpp" line="-78"/>
        <source>These figures describe what you recorded. They are no method of contraception on their own.</source>
        <translation>Ces chiffres décrivent ce que vous avez noté. À eux seuls, ils ne constituent pas une méthode de contraception.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>no completed cycle</source>
        <translation>aucun cycle terminé</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cycles: %1</source>
        <translation>cycles : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mean length: %1 days</source>
        <translation>durée moyenne : %1 jours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>median length: %1 days</source>
        <translation>durée médiane : %1 jours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>standard deviation: %1 days</source>
        <translation>écart type : %1 jours</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>shortest: %n day(s)</source>
        <translation>
            <numerusform>le plus court : %n jour</numerusform>
            <numerusform>le plus court : %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>longest: %n day(s)</source>
        <translation>
            <numerusform>le plus long : %n jour</numerusform>
            <numerusform>le plus long : %n jours</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mean bleeding: %1 days</source>
        <translation>durée moyenne des règles : %1 jours</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No cycle yet: a cycle starts on a day with bleeding recorded.</source>
        <translation>Aucun cycle pour l&apos;instant : un cycle commence un jour où des saignements sont notés.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bleeding</source>
        <translation>Règles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shift confirmed</source>
        <translation>Montée confirmée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LTL °C/°F</source>
        <translation>Base °C/°F</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>open</source>
        <translation>actuel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 (day %2)</source>
        <translation>%1 (J%2)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Rule 0: three temperatures over the cover line (LTL), the third 0.2 °C above it; 1 and 2: the two exceptions, confirmed on the fourth day.</source>
        <translation>Règle 0 : trois températures au-dessus de la ligne de base (niveau des températures basses), la troisième au moins 0,2 °C au-dessus ; 1 et 2 : les deux exceptions, confirmées le quatrième jour.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>All completed cycles</source>
        <translation>Tous les cycles terminés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last 12</source>
        <translation>Les 12 derniers</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n cycle(s) over %1 days were taken for gaps in the record and left out.</source>
        <translation>
            <numerusform>%n cycle de plus de %1 jours a été pris pour une lacune des relevés et laissé de côté.</numerusform>
            <numerusform>%n cycles de plus de %1 jours ont été pris pour des lacunes des relevés et laissés de côté.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The record&apos;s last cycle starts on %1: predictions for days already past are left out.</source>
        <translation>Le dernier cycle des relevés commence le %1 : les prévisions pour des jours déjà passés sont omises.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No prediction: the record ends too long ago.</source>
        <translation>Aucune prévision : les relevés s&apos;arrêtent depuis trop longtemps.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No prediction: it needs one completed cycle.</source>
        <translation>Aucune prévision : il faut au moins un cycle terminé.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next period starts (from the median of the last 12, ± one standard deviation), and what the diary&apos;s calendar shows:</source>
        <translation>Prochains débuts de règles (d&apos;après la médiane des 12 derniers cycles, ± un écart type), et ce qu&apos;indique le calendrier du carnet :</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>calendar: %1</source>
        <translation>calendrier : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>calendar: no start-cycle date set</source>
        <translation>calendrier : aucune date de début de cycle définie</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_json.cpp" line="-230"/>
        <source>, field &quot;%1&quot;: outside what the Preferences dialog allows</source>
        <translation>, champ « %1 » : hors de ce que permet la boîte des préférences</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>, field &quot;%1&quot;: not one of %2</source>
        <translation>, champ « %1 » : aucun de %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>, field &quot;%1&quot;: </source>
        <translation>, champ &quot;%1&quot; : </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not a date (yyyy-mm-dd)</source>
        <translation>pas une date (aaaa-mm-jj)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown cervical fluid code</source>
        <translation>code de glaire cervicale inconnu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown cervical fluid</source>
        <translation>glaire cervicale inconnue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>does not match the fluid&apos;s name</source>
        <translation>ne correspond pas au nom de la glaire</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>off the scale (0 to %1)</source>
        <translation>hors échelle (0 à %1)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>off the scale</source>
        <translation>hors échelle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>does not match the temperature code</source>
        <translation>ne correspond pas au code de température</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>not true or false</source>
        <translation>ni true ni false</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a text</source>
        <translation>pas un texte</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>: the file ends before its closing bracket; it was cut short</source>
        <translation> : le fichier se termine avant son accolade fermante ; il a été tronqué</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>not a journal export (no &quot;format&quot;: &quot;%1&quot;)</source>
        <translation>pas un export de journal (pas de &quot;format&quot;: &quot;%1&quot;)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown version %1; this program reads version %2</source>
        <translation>version %1 inconnue ; ce programme lit la version %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>: &quot;settings&quot; is not an object</source>
        <translation> : « settings » n&apos;est pas un objet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>: settings</source>
        <translation> : réglages</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>: &quot;startCycleDate&quot;: not a date (yyyy-mm-dd)</source>
        <translation> : « startCycleDate » : pas une date (aaaa-mm-jj)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>: &quot;records&quot; is not a list</source>
        <translation> : « records » n&apos;est pas une liste</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>record %1</source>
        <translation>enregistrement %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>: not an object</source>
        <translation>: pas un objet</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_salvage.cpp" line="+25"/>
        <source>the decompressor could not be started</source>
        <translation>le décompresseur n&apos;a pas pu être lancé</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the stream inflates to more than %1 bytes; read no further</source>
        <translation>le flux décompressé dépasse %1 octets ; lecture interrompue</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the gzip stream ends early (cut off)</source>
        <translation>le flux gzip se termine trop tôt (tronqué)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the gzip stream is damaged: %1</source>
        <translation>le flux gzip est endommagé : %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>cut off</source>
        <translation>tronqué</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>its note has an odd byte count</source>
        <translation>sa note a un nombre impair d&apos;octets</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its note is cut off</source>
        <translation>sa note est tronquée</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the file is longer than %1 bytes; read no further</source>
        <translation>le fichier dépasse %1 octets ; lecture interrompue</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not a journal: it does not begin with OVELACYCLE</source>
        <translation>pas un journal : il ne commence pas par OVELACYCLE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the journal&apos;s header is cut off</source>
        <translation>l&apos;en-tête du journal est tronqué</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>record %1 of %2: %3</source>
        <translation>enregistrement %1 sur %2 : %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the start-cycle date after the records is cut off</source>
        <translation>la date de début de cycle après les enregistrements est tronquée</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the records end at byte %1 and %2 more bytes follow (the record count may be damaged)</source>
        <translation>les entrées se terminent à l’octet %1 et %2 octets suivent encore (le nombre d’entrées est peut-être endommagé)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>whole records found after them: %1</source>
        <translation>entrées complètes trouvées après elles : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every record is whole, but %1</source>
        <translation>tous les enregistrements sont intacts, mais %1</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_commands.cpp" line="-1475"/>
        <source>%1 holds more than %2 MiB, far more than any journal</source>
        <translation>%1 contient plus de %2 Mio, bien plus que tout journal</translation>
    </message>
    <message>
        <location line="+580"/>
        <source>Read the other journal&apos;s passphrase from the first line of &lt;file&gt;, when it is encrypted with another one than the journal.</source>
        <translation>Lire la phrase secrète de l&apos;autre journal sur la première ligne de &lt;fichier&gt;, s&apos;il est chiffré avec une autre que celle du journal.</translation>
    </message>
    <message>
        <location line="+148"/>
        <source>encrypted; not opened</source>
        <translation>chiffrée ; non ouverte</translation>
    </message>
    <message>
        <location line="+154"/>
        <source>%1: encrypted, opens and authenticates</source>
        <translation>%1 : chiffré, s&apos;ouvre et s&apos;authentifie</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>written to %1, encrypted as it was</source>
        <translation>écrit dans %1, chiffré comme avant</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Read the new passphrase from the first line of &lt;file&gt; instead of asking for it twice on the terminal.</source>
        <translation>Lire la nouvelle phrase secrète sur la première ligne de &lt;fichier&gt; au lieu de la demander deux fois dans le terminal.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>New passphrase: </source>
        <translation>Nouvelle phrase secrète : </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The same passphrase again: </source>
        <translation>La même phrase secrète encore une fois : </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the two passphrases differ. Nothing was written.</source>
        <translation>les deux phrases secrètes diffèrent. Rien n&apos;a été écrit.</translation>
    </message>
    <message numerus="yes">
        <location line="-12"/>
        <source>a passphrase needs at least %n character(s). Nothing was written.</source>
        <translation>
            <numerusform>une phrase secrète doit avoir au moins %n caractère. Rien n&apos;a été écrit.</numerusform>
            <numerusform>une phrase secrète doit avoir au moins %n caractères. Rien n&apos;a été écrit.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1: no such journal; nothing was written</source>
        <translation>%1 : journal introuvable ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 is encrypted already; &quot;ovela-journal passphrase&quot; changes its passphrase</source>
        <translation>%1 est déjà chiffré ; &quot;ovela-journal passphrase&quot; change sa phrase secrète</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A forgotten passphrase cannot be recovered by anyone. The recovery key shown at the end is the only other way in.</source>
        <translation>Personne ne peut retrouver une phrase secrète oubliée. La clé de récupération affichée à la fin est le seul autre accès.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+86"/>
        <source>%1. Nothing was written.</source>
        <translation>%1. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>%1 is encrypted.</source>
        <translation>%1 est chiffré.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recovery key: %1</source>
        <translation>Clé de récupération : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write the recovery key down and keep it apart from this computer: it opens the journal when the passphrase is forgotten, and it is shown only now.</source>
        <translation>Notez la clé de récupération et gardez-la loin de cet ordinateur : elle ouvre le journal si la phrase secrète est oubliée, et elle n&apos;est affichée que maintenant.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>some copies stay unencrypted: %1</source>
        <translation>certaines copies restent non chiffrées : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Its backups are encrypted too.</source>
        <translation>Ses sauvegardes sont chiffrées elles aussi.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The copies beside it are encrypted too; the diary&apos;s backups hold its own journal and were left as they are.</source>
        <translation>Les copies à côté sont chiffrées elles aussi ; les sauvegardes du journal intime contiennent son propre journal et sont restées telles quelles.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The unencrypted journal to write; it must not exist yet.</source>
        <translation>Le journal non chiffré à écrire ; il ne doit pas encore exister.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>decrypt needs -o PLAIN, the journal to write</source>
        <translation>decrypt a besoin de -o PLAIN, le journal à écrire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 exists; decrypt writes a new file only</source>
        <translation>%1 existe ; decrypt n&apos;écrit qu&apos;un nouveau fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not encrypted</source>
        <translation>%1 n&apos;est pas chiffré</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>written to %1, not encrypted: anyone who gets that file reads it</source>
        <translation>écrit dans %1, non chiffré : quiconque obtient ce fichier peut le lire</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 is not encrypted; &quot;ovela-journal encrypt&quot; encrypts it</source>
        <translation>%1 n&apos;est pas chiffré ; &quot;ovela-journal encrypt&quot; le chiffre</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The passphrase of %1 is changed; the recovery key stays the same. Backups made before open with the old passphrase or the recovery key.</source>
        <translation>La phrase secrète de %1 est changée ; la clé de récupération reste la même. Les sauvegardes antérieures s&apos;ouvrent avec l&apos;ancienne phrase secrète ou la clé de récupération.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Passphrase or recovery key for %1: </source>
        <translation>Phrase secrète ou clé de récupération pour %1 : </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>ovela-journal: that does not open %1; try again</source>
        <translation>ovela-journal : cela n&apos;ouvre pas %1 ; réessayez</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the passphrase in %1 does not open %2</source>
        <translation>la phrase secrète de %1 n&apos;ouvre pas %2</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>Encrypt the journal and its backups with a passphrase; prints the recovery key once.</source>
        <translation>Chiffrer le journal et ses sauvegardes avec une phrase secrète ; affiche la clé de récupération une fois.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Write an unencrypted copy of the encrypted journal.</source>
        <translation>Écrire une copie non chiffrée du journal chiffré.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Change the passphrase of the encrypted journal.</source>
        <translation>Changer la phrase secrète du journal chiffré.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Read the passphrase (or the recovery key) of an encrypted journal from the first line of &lt;file&gt; instead of asking on the terminal.</source>
        <translation>Lire la phrase secrète (ou la clé de récupération) d&apos;un journal chiffré sur la première ligne de &lt;fichier&gt; au lieu de la demander dans le terminal.</translation>
    </message>
    <message>
        <location filename="../src/journaltool/ovela_journal_secret.cpp" line="-55"/>
        <source>there is no terminal to ask the passphrase on; give it with --passphrase-file</source>
        <translation>aucun terminal pour demander la phrase secrète ; donnez-la avec --passphrase-file</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>no passphrase was typed</source>
        <translation>aucune phrase secrète n&apos;a été saisie</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 holds no passphrase on its first line</source>
        <translation>%1 ne contient pas de phrase secrète sur sa première ligne</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <location filename="../src/platform/messagebox.cpp" line="+11"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>OvelaBackupsModel</name>
    <message>
        <location filename="../src/dialogs/OvelaBackupsModel.cpp" line="+39"/>
        <source>The start of a session</source>
        <translation>Début d’une session</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A daily copy</source>
        <translation>Copie quotidienne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before a change by ovela-journal</source>
        <translation>Avant une modification par ovela-journal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before a merge from outside</source>
        <translation>Avant une fusion venue de l’extérieur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before a restore</source>
        <translation>Avant une restauration</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A sync program&apos;s conflict copy</source>
        <translation>Copie de conflit d’un programme de synchronisation</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot be read</source>
        <translation>Illisible</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No days</source>
        <translation>Aucun jour</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n day, last: %1</source>
        <translation>
            <numerusform>%n jour, dernier&#xa0;: %1</numerusform>
            <numerusform>%n jours, dernier&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n days, last: %1</source>
        <translation>
            <numerusform>%n jour, dernier&#xa0;: %1</numerusform>
            <numerusform>%n jours, dernier&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
</context>
<context>
    <name>OvelaCalendarLegend</name>
    <message>
        <location filename="../src/calendar/ovela_datebookmonth.cpp" line="+192"/>
        <source>Red ground: predicted bleeding days, counted from the start of the cycle; lighter from day to day.</source>
        <translation>Fond rouge : jours de saignement prévus, comptés depuis le début du cycle ; plus clair de jour en jour.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Green ground: predicted fertile days; darkest around the expected ovulation.</source>
        <translation>Fond vert : jours fertiles prévus ; plus foncé autour de l’ovulation attendue.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Heart: a fertile day, for a wish to conceive.</source>
        <translation>Cœur : un jour fertile, pour le souhait de concevoir.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No-entry sign: a fertile day, for a wish to avoid pregnancy.</source>
        <translation>Sens interdit : un jour fertile, pour le souhait d’éviter une grossesse.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Girl: a fertile day said to favour a girl.</source>
        <translation>Fille : un jour fertile réputé favoriser une fille.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Boy: a fertile day said to favour a boy.</source>
        <translation>Garçon : un jour fertile réputé favoriser un garçon.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One dark drop: slight bleeding recorded.</source>
        <translation>Une goutte foncée : saignement léger noté.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Two dark drops: normal bleeding recorded.</source>
        <translation>Deux gouttes foncées : saignement normal noté.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Three dark drops: heavy bleeding recorded.</source>
        <translation>Trois gouttes foncées : saignement abondant noté.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hollow drop: intermenstrual bleeding recorded.</source>
        <translation>Goutte creuse : saignement intermenstruel noté.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Blue corner: a note.</source>
        <translation>Coin bleu : une note.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pencil: something else recorded (cervical fluid, appointment, cramps, PMS, love, protection or secret).</source>
        <translation>Crayon : autre chose de noté (glaire cervicale, rendez-vous, crampes, SPM, amour, protection ou secret).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Thermometer: a temperature recorded.</source>
        <translation>Thermomètre : une température notée.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Grey ground: a day of the month before or after.</source>
        <translation>Fond gris : un jour du mois précédent ou suivant.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Frame: the selected day.</source>
        <translation>Cadre : le jour sélectionné.</translation>
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
        <translation>Voulez-vous vraiment 
effacer toutes les données 
 de ce jour&#xa0;?</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Put back the previous start of the cycle</source>
        <translation>Rétablir le début de cycle précédent</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Predict from them</source>
        <translation>&amp;Prévoir à partir d’eux</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No, thanks</source>
        <translation>Non, merci</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>New cycle</source>
        <translation>Nouveau cycle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Did a new cycle start on %1?</source>
        <translation>Un nouveau cycle a-t-il commencé le %1 ?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bleeding is recorded on this day and on none of the five days before it. Yes makes it the start of the cycle.</source>
        <translation>Un saignement est noté ce jour et aucun des cinq jours précédents. Oui en fait le début du cycle.</translation>
    </message>
    <message numerus="yes">
        <location line="+19"/>
        <source>You have recorded %n completed cycles. The calendar can predict from them: from your last recorded start, with the median length of your last 12 cycles. You can change this in the preferences.</source>
        <translation>
            <numerusform>Vous avez noté %n cycle terminé. Le calendrier peut prévoir à partir de lui : depuis votre dernier début noté, avec la longueur médiane de vos 12 derniers cycles. Vous pouvez changer cela dans les préférences.</numerusform>
            <numerusform>Vous avez noté %n cycles terminés. Le calendrier peut prévoir à partir d’eux : depuis votre dernier début noté, avec la longueur médiane de vos 12 derniers cycles. Vous pouvez changer cela dans les préférences.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The cycle now starts on %1.</source>
        <translation>Le cycle commence maintenant le %1.</translation>
    </message>
</context>
<context>
    <name>OvelaChartWidget</name>
    <message>
        <location filename="../src/charts/ovela_chart.cpp" line="+102"/>
        <source>Temperature chart</source>
        <translation>Courbe de température</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>%1: no temperature recorded</source>
        <translation>%1&#xa0;: aucune température relevée</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1: %n temperatures from %2 to %3 %4</source>
        <translation>
            <numerusform>%1&#xa0;: %n température de %2 à %3 %4</numerusform>
            <numerusform>%1&#xa0;: %n températures de %2 à %3 %4</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>temperature shift: first higher temperature on %1, confirmed on %2, cover line %3 %4</source>
        <translation>montée de température : première température haute le %1, confirmée le %2, ligne de base %3 %4</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no temperature shift found</source>
        <translation>aucune montée de température trouvée</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>cover line %1</source>
        <translation>ligne de base %1</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Day</source>
        <translation>Jour</translation>
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
        <translation>L’autre copie&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These days differ between this diary and the other copy. Choose which version stays. A day left undecided keeps your version and is asked again later.</source>
        <translation>Ces jours diffèrent entre ce journal et l’autre copie. Choisissez la version qui reste. Un jour non décidé garde votre version et vous sera de nouveau demandé plus tard.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Keep &amp;mine</source>
        <translation>Garder la &amp;mienne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keeps this diary&apos;s version of the selected days</source>
        <translation>Garde la version de ce journal pour les jours choisis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Take the other</source>
        <translation>&amp;Prendre l’autre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Takes the other copy&apos;s version of the selected days</source>
        <translation>Prend la version de l’autre copie pour les jours choisis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Keep all mine</source>
        <translation>&amp;Garder toutes les miennes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keeps this diary&apos;s version of every day</source>
        <translation>Garde la version de ce journal pour tous les jours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take &amp;all the other</source>
        <translation>Prendre &amp;toutes les autres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Takes the other copy&apos;s version of every day</source>
        <translation>Prend la version de l’autre copie pour tous les jours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes; undecided days are asked again later</source>
        <translation>Ferme&#xa0;; les jours non décidés seront redemandés plus tard</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Days changed in two places</source>
        <translation>Jours modifiés à deux endroits</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Days that differ</source>
        <translation>Jours qui diffèrent</translation>
    </message>
</context>
<context>
    <name>OvelaConflictModel</name>
    <message>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+48"/>
        <source>%1: %2 / %3</source>
        <translation>%1&#xa0;: %2 / %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+20"/>
        <location line="+44"/>
        <source>none</source>
        <translation>aucune</translation>
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
        <translation>inconnu (%1)</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>%1 °F</source>
        <translation>%1&#xa0;°F</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 °C</source>
        <translation>%1&#xa0;°C</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no record</source>
        <translation>aucun enregistrement</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+1"/>
        <source>an empty record</source>
        <translation>un enregistrement vide</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Keep mine</source>
        <translation>Garder la mienne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Take the other</source>
        <translation>Prendre l’autre</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Undecided</source>
        <translation>Non décidé</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cycle start</source>
        <translation>Début du cycle</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Mine / the other copy</source>
        <translation>Mienne / autre</translation>
    </message>
</context>
<context>
    <name>OvelaCyclePredictionsModel</name>
    <message>
        <location filename="../src/charts/ovela_cycle_predictions_model.cpp" line="+54"/>
        <source>no start-cycle date set</source>
        <translation>aucun début de cycle défini</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Expected start</source>
        <translation>Début attendu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Earliest</source>
        <translation>Au plus tôt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Latest</source>
        <translation>Au plus tard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Diary&apos;s calendar</source>
        <translation>Calendrier du carnet</translation>
    </message>
</context>
<context>
    <name>OvelaCycleStatisticsModel</name>
    <message>
        <location filename="../src/charts/ovela_cycle_statistics_model.cpp" line="+70"/>
        <source>Figure</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All cycles</source>
        <translation>Tous les cycles</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last 12</source>
        <translation>12 derniers</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Completed cycles</source>
        <translation>Cycles terminés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mean length (days)</source>
        <translation>Durée moyenne (jours)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Median length (days)</source>
        <translation>Durée médiane (jours)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Standard deviation (days)</source>
        <translation>Écart type (jours)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shortest (days)</source>
        <translation>Le plus court (jours)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Longest (days)</source>
        <translation>Le plus long (jours)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mean bleeding (days)</source>
        <translation>Règles en moyenne (jours)</translation>
    </message>
</context>
<context>
    <name>OvelaCyclesModel</name>
    <message>
        <location filename="../src/charts/ovela_cycles_model.cpp" line="+69"/>
        <source>current</source>
        <translation>actuel</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <location line="+5"/>
        <source>no shift found</source>
        <translation>aucune montée trouvée</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+5"/>
        <source>%1 (day %2)</source>
        <translation>%1 (jour %2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bleeding days</source>
        <translation>Jours de règles</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First higher day</source>
        <translation>Premier jour haut</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shift confirmed</source>
        <translation>Montée confirmée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cover line</source>
        <translation>Ligne de base</translation>
    </message>
</context>
<context>
    <name>OvelaCyclesWidget</name>
    <message>
        <location filename="../src/charts/ovela_cycles_widget.cpp" line="+41"/>
        <source>Cycle figures</source>
        <translation>Chiffres des cycles</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your cycles</source>
        <translation>Vos cycles</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cycle statistics</source>
        <translation>Statistiques des cycles</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Next period starts</source>
        <translation>Prochains débuts de règles</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Cycles</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Next periods</source>
        <translation>Prochaines règles</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>These figures describe what you recorded. They are no method of contraception on their own.</source>
        <translation>Ces chiffres décrivent ce que vous avez noté. À eux seuls, ils ne constituent pas une méthode de contraception.</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>No cycle yet: a cycle starts on a day with bleeding recorded.</source>
        <translation>Pas encore de cycle : un cycle commence un jour où des saignements sont notés.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Today is day %1 of your cycle, which started on %2.</source>
        <translation>Aujourd&apos;hui est le jour %1 de votre cycle, commencé le %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The last cycle in your record started on %1.</source>
        <translation>Le dernier cycle de vos relevés a commencé le %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your last recorded cycle starts on %1.</source>
        <translation>Votre dernier cycle noté commence le %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your next period is expected on %1.</source>
        <translation>Vos prochaines règles sont attendues le %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your next period is expected on %1 (between %2 and %3).</source>
        <translation>Vos prochaines règles sont attendues le %1 (entre le %2 et le %3).</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n cycle(s) over %1 days were taken for gaps in the record and left out.</source>
        <translation>
            <numerusform>%n cycle de plus de %1 jours a été pris pour une lacune des relevés et laissé de côté.</numerusform>
            <numerusform>%n cycles de plus de %1 jours ont été pris pour des lacunes des relevés et laissés de côté.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No prediction: the record ends too long ago.</source>
        <translation>Aucune prévision : les relevés s&apos;arrêtent depuis trop longtemps.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No prediction: it needs one completed cycle.</source>
        <translation>Aucune prévision : il faut au moins un cycle terminé.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>From the median length of the last 12 cycles, give or take one standard deviation.</source>
        <translation>D&apos;après la durée médiane des 12 derniers cycles, à un écart type près.</translation>
    </message>
</context>
<context>
    <name>OvelaDateBookMonth</name>
    <message>
        <location filename="../src/calendar/ovela_datebookmonth.cpp" line="+668"/>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Days of the month</source>
        <translation>Jours du mois</translation>
    </message>
</context>
<context>
    <name>OvelaDateBookMonthHeader</name>
    <message>
        <location line="-207"/>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>December</source>
        <translation>Décembre</translation>
    </message>
</context>
<context>
    <name>OvelaDayItemMonth</name>
    <message>
        <location line="-455"/>
        <source>bleeding day %1</source>
        <translation>jour de règles %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>fertile</source>
        <translation>jour fertile</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>temperature %1 %2</source>
        <translation>température %1 %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>doctor&apos;s appointment</source>
        <translation>rendez-vous médical</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cramps</source>
        <translation>crampes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PMS</source>
        <translation>SPM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>love</source>
        <translation>rapport sexuel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>protection</source>
        <translation>rapport protégé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>secret</source>
        <translation>secret</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a note</source>
        <translation>une note</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>nothing recorded</source>
        <translation>rien de noté</translation>
    </message>
</context>
<context>
    <name>OvelaJournalBackups</name>
    <message>
        <location filename="../src/core/ovela_journal_backups.cpp" line="+77"/>
        <source>cannot create the backups folder %1</source>
        <translation>impossible de créer le dossier des sauvegardes %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>cannot copy %1 to %2: %3</source>
        <translation>impossible de copier %1 vers %2 : %3</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>cannot encrypt %1: %2</source>
        <translation>impossible de chiffrer %1 : %2</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot encrypt %1</source>
        <translation>impossible de chiffrer %1</translation>
    </message>
</context>
<context>
    <name>OvelaJournalFile</name>
    <message>
        <location filename="../src/core/ovela_journal_file.cpp" line="+266"/>
        <source>cannot move the unreadable journal %1 aside</source>
        <translation>impossible de mettre de côté le journal illisible %1</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>an unreadable journal is still at %1</source>
        <translation>un journal illisible se trouve encore à %1</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>a note is too long to be stored</source>
        <translation>une note est trop longue pour être enregistrée</translation>
    </message>
    <message>
        <location line="-75"/>
        <source>cannot create a file in %1: %2</source>
        <translation>impossible de créer un fichier dans %1 : %2</translation>
    </message>
    <message>
        <location line="-235"/>
        <source>ovelaZ: cannot create the lock file %1; running without it</source>
        <translation>ovelaZ : impossible de créer le fichier de verrou %1 ; le programme continue sans lui</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>ovelaZ: %1; it will not be replaced</source>
        <translation>ovelaZ : %1 ; il ne sera pas remplacé</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ovelaZ: the journal %1 could not be read; kept as %2</source>
        <translation>ovelaZ : le journal %1 n’a pas pu être lu ; conservé sous %2</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the journal was changed by another program or device</source>
        <translation>le journal a été modifié par un autre programme ou appareil</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ovelaZ: the journal was not saved: %1</source>
        <translation>ovelaZ : le journal n’a pas été enregistré : %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>cannot rename %1 to %2: %3</source>
        <translation>impossible de renommer %1 en %2 : %3</translation>
    </message>
    <message>
        <location line="+56"/>
        <location line="+6"/>
        <location line="+23"/>
        <location line="+5"/>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+27"/>
        <source>cannot sync %1: %2</source>
        <translation>impossible de synchroniser %1 sur le disque : %2</translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+27"/>
        <source>%1 does not read back as written (disk full?)</source>
        <translation>%1 ne se relit pas tel qu’il a été écrit (disque plein ?)</translation>
    </message>
    <message>
        <location line="-419"/>
        <source>the file is too large</source>
        <translation>le fichier est trop grand</translation>
    </message>
    <message>
        <location line="+147"/>
        <location line="+27"/>
        <source>the encrypted journal %1 cannot be opened: %2</source>
        <translation>le journal chiffré %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>the encrypted journal at %1 is not open; it will not be replaced</source>
        <translation>le journal chiffré %1 n&apos;est pas ouvert ; il ne sera pas remplacé</translation>
    </message>
</context>
<context>
    <name>OvelaJournalSeal</name>
    <message>
        <location filename="../src/core/ovela_journal_seal.cpp" line="+474"/>
        <source>it is not an encrypted journal</source>
        <translation>ce n&apos;est pas un journal chiffré</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the passphrase or recovery key does not open it</source>
        <translation>la phrase secrète ou la clé de récupération ne l&apos;ouvre pas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it fails authentication: it was damaged or tampered with</source>
        <translation>il échoue à l&apos;authentification : il a été endommagé ou falsifié</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it was encrypted by a newer version of the diary</source>
        <translation>il a été chiffré par une version plus récente du journal intime</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>there is not enough memory to check the passphrase</source>
        <translation>pas assez de mémoire pour vérifier la phrase secrète</translation>
    </message>
</context>
<context>
    <name>OvelaLegendDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaLegendDialog.cpp" line="+40"/>
        <source>Calendar legend</source>
        <translation>Légende du calendrier</translation>
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
        <translation>Impossible d&apos;écrire dans le dossier %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The diary&apos;s folder
%1
cannot be written to.
Entries made now cannot be saved.</source>
        <translation>Le dossier du carnet
%1
n&apos;est pas accessible en écriture.
Les saisies faites maintenant ne pourront pas être enregistrées.</translation>
    </message>
    <message>
        <location line="+39"/>
        <location line="+631"/>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <location line="-610"/>
        <source>Your entries are not saved. The diary %1 could not be written: %2</source>
        <translation>Vos saisies ne sont pas enregistrées. Impossible d&apos;écrire le carnet %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose between the versions of the days that differ</source>
        <translation>Choisir entre les versions des jours qui diffèrent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Merge the conflict copy into the diary</source>
        <translation>Fusionner la copie en conflit dans le journal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>A sync program left a conflict copy of the journal: %1. Merge it to bring its days in; it is then kept with the backups.</source>
        <translation>Un programme de synchronisation a laissé une copie en conflit du journal : %1. Fusionnez-la pour en reprendre les jours ; elle est ensuite conservée avec les sauvegardes.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a backup could not be made (%1); it is tried again at the next save</source>
        <translation>une sauvegarde n’a pas pu être faite (%1) ; nouvel essai au prochain enregistrement</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Some days differ between this diary and another copy of it. They keep your version until you choose.</source>
        <translation>Certains jours diffèrent entre ce journal et une autre copie. Ils gardent votre version jusqu’à ce que vous choisissiez.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>another copy of the journal</source>
        <translation>une autre copie du journal</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The backup
%1
could not be read.</source>
        <translation>La sauvegarde
%1
n’a pas pu être lue.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The journal as it is could not be kept as a backup, so nothing was restored:
%1</source>
        <translation>Le journal actuel n’a pas pu être sauvegardé, rien n’a donc été restauré :
%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The backup of %1 is restored; the journal as it was is kept as a backup.</source>
        <translation>La sauvegarde du %1 est restaurée ; le journal tel qu’il était est conservé comme sauvegarde.</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>C&amp;ycles</source>
        <translation>C&amp;ycles</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Show the month calendar</source>
        <translation>Afficher le calendrier du mois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the month&apos;s temperatures as a chart</source>
        <translation>Afficher les températures du mois sous forme de courbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List the month&apos;s temperatures</source>
        <translation>Lister les températures du mois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your cycles, their statistics and the next period starts</source>
        <translation>Vos cycles, leurs statistiques et les prochains débuts de règles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Go to today in the calendar</source>
        <translation>Aller à aujourd&apos;hui dans le calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete every day of the diary</source>
        <translation>Supprimer tous les jours du carnet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go back to the journal as a backup holds it</source>
        <translation>Revenir au journal tel qu’une sauvegarde le contient</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cycle lengths, goal, temperature scale and pass code</source>
        <translation>Durées du cycle, objectif, unité de température et code d&apos;accès</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About this program</source>
        <translation>À propos de ce programme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Record the selected day</source>
        <translation>Renseigner le jour sélectionné</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete what the selected day holds</source>
        <translation>Supprimer le contenu du jour sélectionné</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The selected day is the first day of the current cycle</source>
        <translation>Le jour sélectionné est le premier jour du cycle en cours</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Are you sure, you want 
to delete all data 
 from your diary?</source>
        <translation>Voulez-vous vraiment 
effacer toutes les données 
 de votre carnet&#xa0;?</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>The diary may also be open on the computer &quot;%1&quot; (since %2). What is saved there is brought in here when it arrives.</source>
        <translation>Le journal est peut-être aussi ouvert sur l’ordinateur « %1 » (depuis %2). Ce qui y est enregistré est repris ici dès son arrivée.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The diary is already open in another window.
This one will now close.</source>
        <translation>Le carnet est déjà ouvert dans une autre fenêtre.
Celle-ci va maintenant se fermer.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Enter password code:</source>
        <translation>Saisissez le code d&apos;accès&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Invalid password code. Application 
will now exit</source>
        <translation>Code d&apos;accès incorrect. L&apos;application 
va maintenant se fermer</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The diary file could not be read.
It was kept as
%1
and a new, empty diary was started.</source>
        <translation>Le fichier du carnet n&apos;a pas pu être lu.
Il a été conservé sous le nom
%1
et un nouveau carnet vide a été commencé.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The diary file
%1
could not be read and is left as it is.
Entries made now will not be saved.</source>
        <translation>Le fichier du carnet
%1
n&apos;a pas pu être lu et reste tel quel.
Les saisies faites maintenant ne seront pas enregistrées.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Your latest entries could not be saved to
%1
%2</source>
        <translation>Vos dernières saisies n&apos;ont pas pu être enregistrées dans
%1
%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save a copy as...</source>
        <translation>Enregistrer une copie sous...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close without saving</source>
        <translation>Fermer sans enregistrer</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Save a copy as</source>
        <translation>Enregistrer une copie sous</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Diary files (*.ovd)</source>
        <translation>Fichiers de carnet (*.ovd)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The copy could not be saved to
%1
%2</source>
        <translation>La copie n&apos;a pas pu être enregistrée dans
%1
%2</translation>
    </message>
    <message>
        <location line="-772"/>
        <location line="+1"/>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Day</source>
        <translation>&amp;Jour</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>More commands</source>
        <translation>Autres commandes</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Save warning</source>
        <translation>Avertissement d&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your entries are not saved</source>
        <translation>Vos saisies ne sont pas enregistrées</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Try to save the diary again</source>
        <translation>Réessayer d&apos;enregistrer le carnet</translation>
    </message>
    <message>
        <location line="+227"/>
        <source>&amp;Calendar</source>
        <translation>&amp;Calendrier</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Temperature chart</source>
        <translation>Courbe de &amp;température</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Temperature &amp;history</source>
        <translation>&amp;Historique des températures</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Previous Month</source>
        <translation>Mois &amp;précédent</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Next Month</source>
        <translation>Mois &amp;suivant</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Goto Today</source>
        <translation>&amp;Aller à aujourd&apos;hui</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>C&amp;lear Database</source>
        <translation>&amp;Vider le carnet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Restore from a backup...</source>
        <translation>&amp;Restaurer une sauvegarde...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Preferences ...</source>
        <translation>&amp;Préférences ...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;About ...</source>
        <translation>À pr&amp;opos ...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Set Start Cycle Date</source>
        <translation>&amp;Définir le début du cycle</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Show the month before</source>
        <translation>Afficher le mois précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the month after</source>
        <translation>Afficher le mois suivant</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close the diary</source>
        <translation>Fermer le carnet</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Calendar &amp;Legend</source>
        <translation>&amp;Légende du calendrier</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>What the calendar&apos;s colours and symbols mean</source>
        <translation>Ce que signifient les couleurs et les symboles du calendrier</translation>
    </message>
    <message>
        <location line="+174"/>
        <source>The diary is encrypted. Enter its passphrase or recovery key:</source>
        <translation>Le journal est chiffré. Saisissez sa phrase secrète ou sa clé de récupération :</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The diary file
%1
is damaged or has been tampered with: it does not read back as it was written. Nothing was opened, and the file is left as it is.

The command &quot;ovela-journal salvage&quot; keeps what can still be read of it.</source>
        <translation>Le fichier du journal
%1
est endommagé ou a été falsifié : il ne se relit pas tel qu’il a été écrit. Rien n’a été ouvert, et le fichier est laissé tel quel.

La commande &quot;ovela-journal salvage&quot; garde ce qui peut encore en être lu.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The diary file
%1
cannot be opened: %2
It is left as it is.</source>
        <translation>Le fichier du journal
%1
ne peut pas être ouvert : %2
Il est laissé tel quel.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The diary file
%1
changed while it was opened and cannot be read now: %2
It is left as it is; entries made now will not be saved.</source>
        <translation>Le fichier du journal
%1
a changé pendant son ouverture et ne peut pas être lu maintenant : %2
Il est laissé tel quel ; les saisies faites maintenant ne seront pas enregistrées.</translation>
    </message>
</context>
<context>
    <name>OvelaNewPassphraseDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaPassphraseDialogs.cpp" line="+153"/>
        <source>New passphrase</source>
        <translation>Nouvelle phrase secrète</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The journal and every copy the diary writes of it will be encrypted with this passphrase. Any characters, at least %1; a few unusual words are easy to remember and hard to guess.</source>
        <translation>Le journal et chaque copie qui en est écrite seront chiffrés avec cette phrase secrète. N’importe quels caractères, au moins %1 ; quelques mots inhabituels sont faciles à retenir et difficiles à deviner.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Passphrase:</source>
        <translation>&amp;Phrase secrète :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Repeat the passphrase:</source>
        <translation>&amp;Répétez la phrase secrète :</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;b&gt;Nobody can recover a forgotten passphrase&lt;/b&gt;: not you, not the makers of this program, not anyone. Without the passphrase or the recovery key the journal cannot be opened again.</source>
        <translation>&lt;b&gt;Personne ne peut retrouver une phrase secrète oubliée&lt;/b&gt; : ni vous, ni les auteurs de ce programme, ni qui que ce soit. Sans la phrase secrète ou la clé de récupération, le journal ne pourra plus être ouvert.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Passphrase</source>
        <translation>Phrase secrète</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repeat the passphrase</source>
        <translation>Répétez la phrase secrète</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The two entries differ.</source>
        <translation>Les deux saisies diffèrent.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Too short: at least %1 characters.</source>
        <translation>Trop courte : au moins %1 caractères.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Weak: easy to guess. Make it longer.</source>
        <translation>Faible : facile à deviner. Allongez-la.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fair: a few more characters make it much harder to guess.</source>
        <translation>Moyenne : quelques caractères de plus la rendent bien plus difficile à deviner.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strong.</source>
        <translation>Forte.</translation>
    </message>
</context>
<context>
    <name>OvelaOutsideChanges</name>
    <message>
        <location filename="../src/app/ovela_outside_changes.cpp" line="+143"/>
        <source>The journal on disk was changed elsewhere and cannot be read yet; your entries are kept here and it is tried again in a few seconds.</source>
        <translation>Le journal sur le disque a été modifié ailleurs et ne peut pas encore être lu ; vos entrées sont gardées ici et un nouvel essai a lieu dans quelques secondes.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>another copy of the journal</source>
        <translation>une autre copie du journal</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Brought in from %1: %2 days added or changed, %3 removed.</source>
        <translation>Repris de %1 : %2 jours ajoutés ou modifiés, %3 supprimés.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The start of the cycle is now %1.</source>
        <translation>Le cycle commence maintenant le %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Days that differ on both sides keep your version until you choose.</source>
        <translation>Les jours qui diffèrent des deux côtés gardent votre version jusqu’à ce que vous choisissiez.</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>The conflict copy %1 could not be read; it is left where it is.</source>
        <translation>La copie en conflit %1 n’a pas pu être lue ; elle reste où elle est.</translation>
    </message>
    <message>
        <location line="-167"/>
        <source>The journal on disk was encrypted elsewhere with another passphrase. Your entries are kept here; when the diary closes, that journal is set aside beside yours, still encrypted, and yours is saved.</source>
        <translation>Le journal sur le disque a été chiffré ailleurs avec une autre phrase secrète. Vos saisies sont gardées ici ; à la fermeture, ce journal est mis de côté à côté du vôtre, toujours chiffré, et le vôtre est enregistré.</translation>
    </message>
    <message>
        <location line="+198"/>
        <source>The journal %1 is encrypted with another passphrase than this diary. Enter that passphrase or its recovery key to bring its days in:</source>
        <translation>Le journal %1 est chiffré avec une autre phrase secrète que ce journal. Saisissez cette phrase secrète ou sa clé de récupération pour en reprendre les jours :</translation>
    </message>
</context>
<context>
    <name>OvelaPreferencesBase</name>
    <message>
        <location filename="../src/dialogs/OvelaPreferencesBase.ui" line="+6"/>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Periods</source>
        <translation>Durées</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+17"/>
        <location line="+7"/>
        <location line="+27"/>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Menstrual Period</source>
        <translation>Durée des règles</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Fertile Period</source>
        <translation>Période fertile</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cycle Length</source>
        <translation>Durée du cycle</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Luteal Phase Length</source>
        <translation>Durée de la phase lutéale</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>My Goal</source>
        <translation>Mon objectif</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Conceive a boy</source>
        <translation>Concevoir un garçon</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Conceive a girl</source>
        <translation>Concevoir une fille</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Conceive a child (any gender)</source>
        <translation>Concevoir un enfant (fille ou garçon)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Avoid Pregnancy</source>
        <translation>Éviter une grossesse</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Security &amp;&amp;  Other</source>
        <translation>Sécurité &amp;&amp; divers</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Security Settings</source>
        <translation>Paramètres de sécurité</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Change passcode</source>
        <translation>Changer le code d&apos;accès</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Clear passcode</source>
        <translation>Supprimer le code d&apos;accès</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Require pass code at startup</source>
        <translation>Demander le code d&apos;accès au démarrage</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Temperature Format</source>
        <translation>Unité de température</translation>
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
        <translation>Premier jour de la semaine</translation>
    </message>
</context>
<context>
    <name>OvelaPreferencesBaseDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaPreferencesBase.cpp" line="+43"/>
        <source>As in my region</source>
        <translation>Comme dans ma région</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Security and Other</source>
        <translation>Sécurité et divers</translation>
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
        <translation>La durée du cycle doit 
être comprise entre 23 et 35 jours&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fertile period length must 
be between 1 and 8 days!</source>
        <translation>La durée de la période fertile doit 
être comprise entre 1 et 8 jours&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Menstrual period length must 
be between 1 and 8 days!</source>
        <translation>La durée des règles doit 
être comprise entre 1 et 8 jours&#xa0;!</translation>
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
        <translation>La durée de la phase lutéale doit 
être comprise entre 12 et 16 jours&#xa0;!</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Enter password code</source>
        <translation>Saisissez le code d&apos;accès</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Re-enter password code</source>
        <translation>Saisissez à nouveau le code d&apos;accès</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sorry, but your passwords 
must match!</source>
        <translation>Désolé, les deux codes d&apos;accès 
doivent être identiques&#xa0;!</translation>
    </message>
    <message>
        <location line="-162"/>
        <source>Predict from my &amp;recorded cycles</source>
        <translation>Prévoir à partir de mes cycles &amp;notés</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The calendar counts from your last recorded cycle start with the median length of your last 12 completed cycles</source>
        <translation>Le calendrier compte à partir du dernier début de cycle noté, avec la longueur médiane de vos 12 derniers cycles terminés</translation>
    </message>
    <message numerus="yes">
        <location line="+174"/>
        <source>Typed: %n days</source>
        <translation>
            <numerusform>Saisie : %n jour</numerusform>
            <numerusform>Saisie : %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>From your cycles: %n days</source>
        <translation>
            <numerusform>D’après vos cycles : %n jour</numerusform>
            <numerusform>D’après vos cycles : %n jours</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>From your cycles: none yet</source>
        <translation>D’après vos cycles : pas encore</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>The median of your last %n completed cycles</source>
        <translation>
            <numerusform>La médiane de votre dernier cycle terminé (%n)</numerusform>
            <numerusform>La médiane de vos %n derniers cycles terminés</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Encrypt the journal...</source>
        <translation>Chiffrer le journal...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypt the journal and its copies with a passphrase</source>
        <translation>Chiffrer le journal et ses copies avec une phrase secrète</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change passphrase...</source>
        <translation>Changer la phrase secrète...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypt the journal with a new passphrase</source>
        <translation>Chiffrer le journal avec une nouvelle phrase secrète</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop encrypting...</source>
        <translation>Arrêter le chiffrement...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write the journal unencrypted again</source>
        <translation>Écrire de nouveau le journal sans chiffrement</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The journal is encrypted.</source>
        <translation>Le journal est chiffré.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The journal is not encrypted.</source>
        <translation>Le journal n’est pas chiffré.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The journal could not be encrypted: %1</source>
        <translation>Le journal n’a pas pu être chiffré : %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The journal could not be encrypted; it stays as it was.
%1</source>
        <translation>Le journal n’a pas pu être chiffré ; il reste tel qu’il était.
%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Enter the journal&apos;s current passphrase or its recovery key:</source>
        <translation>Saisissez la phrase secrète actuelle du journal ou sa clé de récupération :</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The journal could not be written with the new passphrase; the old one still opens it.
%1</source>
        <translation>Le journal n’a pas pu être écrit avec la nouvelle phrase secrète ; l’ancienne l’ouvre toujours.
%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The journal will be written unencrypted again; backups made while it was encrypted stay encrypted. Enter its passphrase or recovery key:</source>
        <translation>Le journal sera de nouveau écrit sans chiffrement ; les sauvegardes faites pendant qu’il était chiffré restent chiffrées. Saisissez sa phrase secrète ou sa clé de récupération :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The journal could not be written unencrypted; it stays encrypted.
%1</source>
        <translation>Le journal n’a pas pu être écrit sans chiffrement ; il reste chiffré.
%1</translation>
    </message>
</context>
<context>
    <name>OvelaRecordEntryBase</name>
    <message>
        <location filename="../src/dialogs/OvelaRecordEntryBase.ui" line="+6"/>
        <source>Day data</source>
        <translation>Données du jour</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>C</source>
        <translation>°C</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-62"/>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <location line="+27"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-88"/>
        <source>Love</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-3"/>
        <source>Dr&apos;s apt.</source>
        <translation>RDV médical</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+70"/>
        <source>Basal Temp</source>
        <translation>Temp. basale</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-3"/>
        <source>Cervical Fluid</source>
        <translation>Glaire cervicale</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-62"/>
        <source>Secret</source>
        <translation>Secret</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="-21"/>
        <source>Dry</source>
        <translation>Sèche</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Slight Bleeding</source>
        <translation>Saignement léger</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Normal Bleeding</source>
        <translation>Saignement normal</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Heavy Bleeding</source>
        <translation>Saignement abondant</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Intermenstrual</source>
        <translation>Saignement intermenstruel</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Cloudy, Sticky</source>
        <translation>Trouble, collante</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+1"/>
        <source>Strechy, White</source>
        <translation>Filante, blanche</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/dialogs/OvelaConflictModel.cpp" line="+14"/>
        <source>Protection</source>
        <translation>Rapport protégé</translation>
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
        <translation>Crampes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>OvelaRecordEntryDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaRecordEntry.cpp" line="+58"/>
        <source>F</source>
        <translation>°F</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>C</source>
        <translation>°C</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
</context>
<context>
    <name>OvelaRecoveryKeyDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaPassphraseDialogs.cpp" line="+15"/>
        <location line="+13"/>
        <source>Recovery key</source>
        <translation>Clé de récupération</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>This recovery key opens the journal if the passphrase is forgotten. Write it down now and keep it somewhere safe, away from this computer: it is shown only this once.</source>
        <translation>Cette clé de récupération ouvre le journal si la phrase secrète est oubliée. Notez-la maintenant et gardez-la en lieu sûr, loin de cet ordinateur : elle n’est affichée que cette fois.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>I have &amp;written it down</source>
        <translation>Je l’ai &amp;notée</translation>
    </message>
</context>
<context>
    <name>OvelaRestoreDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaRestoreDialog.cpp" line="+18"/>
        <source>Choose the copy of the journal to go back to. Restoring keeps the current journal as a backup first.</source>
        <translation>Choisissez la copie du journal à laquelle revenir. La restauration garde d’abord le journal actuel comme sauvegarde.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There are no backups yet.</source>
        <translation>Il n’y a pas encore de sauvegarde.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+30"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Restore from a backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restores the selected backup</source>
        <translation>Restaure la sauvegarde choisie</translation>
    </message>
</context>
<context>
    <name>OvelaTempHistoryWidget</name>
    <message>
        <location filename="../src/charts/ovela_temphistory_widget.cpp" line="+86"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temperature F</source>
        <translation>Température (°F)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Temperature C</source>
        <translation>Température (°C)</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Temperature history</source>
        <translation>Historique des températures</translation>
    </message>
</context>
<context>
    <name>OvelaUnlockDialog</name>
    <message>
        <location filename="../src/dialogs/OvelaPassphraseDialogs.cpp" line="-188"/>
        <source>Encrypted journal</source>
        <translation>Journal chiffré</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Passphrase or recovery key</source>
        <translation>Phrase secrète ou clé de récupération</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>That passphrase or recovery key does not open the journal. Please try again.</source>
        <translation>Cette phrase secrète ou cette clé de récupération n’ouvre pas le journal. Veuillez réessayer.</translation>
    </message>
</context>
<context>
    <name>OvelaWindowSealing</name>
    <message>
        <location filename="../src/app/ovela_window_sealing.cpp" line="+40"/>
        <source>The journal is encrypted, but not every copy of it could be (%1). Delete those copies if others can reach them.</source>
        <translation>Le journal est chiffré, mais pas toutes ses copies n’ont pu l’être (%1). Supprimez ces copies si d’autres peuvent y accéder.</translation>
    </message>
</context>
<context>
    <name>Password</name>
    <message>
        <location filename="../src/platform/password.cpp" line="+38"/>
        <source>Pass code</source>
        <translation>Code d&apos;accès</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Del</source>
        <translation>Suppr</translation>
    </message>
</context>
</TS>
