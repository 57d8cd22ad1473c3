<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>zav</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 est donné plus d&apos;une fois</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>argument inconnu %1</translation>
    </message>
    <message>
        <source>not every byte was written</source>
        <translation>tous les octets n&apos;ont pas été écrits</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>aucun nom de fichier</translation>
    </message>
    <message>
        <source>this is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>Cannot load the library %1 from %2 (%3).</source>
        <translation>Impossible de charger la bibliothèque %1 depuis %2 (%3).</translation>
    </message>
    <message>
        <source>The library %1 lacks the call(s) %2.</source>
        <translation>Il manque à la bibliothèque %1 les appels %2.</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>prêt</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>périphérique absent</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>utilisé par un autre programme</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>pas un périphérique série</translation>
    </message>
    <message>
        <source>permission denied: add your user to the group `%1` and log in again</source>
        <translation>accès refusé : ajoutez votre utilisateur au groupe `%1` et reconnectez-vous</translation>
    </message>
    <message>
        <source>permission denied: only `%1` may open it; ask the administrator to give it to a group such as `dialout`</source>
        <translation>accès refusé : seul `%1` peut l&apos;ouvrir ; demandez à l&apos;administrateur de le confier à un groupe tel que `dialout`</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>aucun périphérique</translation>
    </message>
    <message>
        <source>no serial port is chosen yet</source>
        <translation>aucun port série n&apos;est encore choisi</translation>
    </message>
    <message>
        <source>FTDI USB adaptor (ftdi_sio)</source>
        <translation>adaptateur USB FTDI (ftdi_sio)</translation>
    </message>
    <message>
        <source>USB CDC device (cdc_acm)</source>
        <translation>périphérique USB CDC (cdc_acm)</translation>
    </message>
    <message>
        <source>Silicon Labs USB adaptor (cp210x)</source>
        <translation>adaptateur USB Silicon Labs (cp210x)</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>port série</translation>
    </message>
    <message>
        <source>, in </source>
        <translation>, dans </translation>
    </message>
    <message>
        <source>Looked for %1 in %2.</source>
        <translation>%1 a été cherché dans %2.</translation>
    </message>
    <message>
        <source> and in </source>
        <translation> et dans </translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a RAM-utility file.</source>
        <translation>%1 est un dossier, pas un fichier d&apos;utilitaire RAM.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 ne peut pas être ouvert : %2.</translation>
    </message>
    <message>
        <source>%1 is a stand-in image that only the simulator runs, and %2 is not a simulated port, so nothing was sent. Put the maker&apos;s RAM-utility file in %3.</source>
        <translation>%1 est une image de remplacement que seul le simulateur exécute, et %2 n&apos;est pas un port simulé : rien n&apos;a donc été envoyé. Placez le fichier d&apos;utilitaire RAM du fabricant dans %3.</translation>
    </message>
    <message>
        <source> or in </source>
        <translation> ou dans </translation>
    </message>
    <message>
        <source>Run aborted: %1</source>
        <translation>Test interrompu : %1</translation>
    </message>
    <message>
        <source>Run cancelled by the engineer</source>
        <translation>Test annulé par le technicien</translation>
    </message>
    <message>
        <source>Run aborted before the tests: %1</source>
        <translation>Test interrompu avant les essais : %1</translation>
    </message>
    <message>
        <source>Service report</source>
        <translation>Rapport de maintenance</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>The results reached before the stop are shown; tests not reached show “%1”.</source>
        <translation>Les résultats obtenus avant l&apos;arrêt sont affichés ; les tests non atteints indiquent « %1 ».</translation>
    </message>
    <message>
        <source>Mechanics</source>
        <translation>Mécanique</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>Paper-less test</source>
        <translation>Test sans papier</translation>
    </message>
    <message>
        <source>Green-paper test</source>
        <translation>Test au papier vert</translation>
    </message>
    <message>
        <source>Sensor table</source>
        <translation>Tableau des capteurs</translation>
    </message>
    <message>
        <source>a report file name ends in .pdf or .html</source>
        <translation>un nom de fichier de rapport se termine par .pdf ou .html</translation>
    </message>
    <message>
        <source>RAM utility download</source>
        <translation>Chargement de l&apos;utilitaire RAM</translation>
    </message>
    <message>
        <source>Report…</source>
        <translation>Rapport…</translation>
    </message>
    <message>
        <source>Save test data</source>
        <translation>Enregistrer les données de test</translation>
    </message>
    <message>
        <source>Save service report</source>
        <translation>Enregistrer le rapport de maintenance</translation>
    </message>
    <message>
        <source>--port and --simulate do not go together</source>
        <translation>--port et --simulate ne vont pas ensemble</translation>
    </message>
    <message>
        <source>--fault and --paper-delay need --simulate</source>
        <translation>--fault et --paper-delay exigent --simulate</translation>
    </message>
    <message>
        <source>the port number must be 1 to %1</source>
        <translation>le numéro de port doit être compris entre 1 et %1</translation>
    </message>
    <message>
        <source>unknown model %1; the simulator knows %2</source>
        <translation>modèle inconnu %1 ; le simulateur connaît %2</translation>
    </message>
    <message>
        <source>the paper delay must be 0 to 600 seconds</source>
        <translation>le délai du papier doit être compris entre 0 et 600 secondes</translation>
    </message>
    <message>
        <source>no serial port is stored in the settings; give --port N or --simulate MODEL</source>
        <translation>aucun port série n&apos;est enregistré dans les réglages ; indiquez --port N ou --simulate MODÈLE</translation>
    </message>
    <message>
        <source>COM%1 to COM%2 are all taken; no port is left for the simulator</source>
        <translation>COM%1 à COM%2 sont tous pris ; il ne reste aucun port pour le simulateur</translation>
    </message>
    <message>
        <source>the simulator cannot start: %1</source>
        <translation>le simulateur ne peut pas démarrer : %1</translation>
    </message>
    <message>
        <source>Simulated %1 on COM%2 (%3)</source>
        <translation>%1 simulé sur COM%2 (%3)</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Ligne d&apos;état</translation>
    </message>
    <message>
        <source>the port number must be 1 to %1, as the RAM utility&apos;s channel reaches no higher</source>
        <translation>le numéro de port doit être compris entre 1 et %1, le canal de l&apos;utilitaire RAM ne va pas plus loin</translation>
    </message>
    <message>
        <source>zavdiag %1: the stored port is COM%2; %3</source>
        <translation>zavdiag %1 : le port enregistré est COM%2 ; %3</translation>
    </message>
    <message>
        <source>Unit %1 with %2 sensors:</source>
        <translation>Appareil %1 avec %2 capteurs :</translation>
    </message>
    <message>
        <source>Controls: %1. Type help for the commands.</source>
        <translation>Commandes : %1. Tapez help pour la liste des commandes.</translation>
    </message>
    <message>
        <source>zavdiag controls: the unit is not ready for the controls</source>
        <translation>zavdiag controls : l&apos;appareil n&apos;est pas prêt pour les commandes</translation>
    </message>
    <message>
        <source>drive the unit&apos;s motor, stacker, straightener and bezel, and read its sensors; commands from standard input</source>
        <translation>piloter le moteur, l&apos;empileur, le redresseur et la façade de l&apos;appareil, et lire ses capteurs ; commandes sur l&apos;entrée standard</translation>
    </message>
    <message>
        <source>the motor is running; stop it first</source>
        <translation>le moteur tourne ; arrêtez-le d&apos;abord</translation>
    </message>
    <message>
        <source>the motor is not running</source>
        <translation>le moteur ne tourne pas</translation>
    </message>
    <message>
        <source>the stacker is running; switch it off first</source>
        <translation>l&apos;empileur tourne ; arrêtez-le d&apos;abord</translation>
    </message>
    <message>
        <source>the stacker is not running</source>
        <translation>l&apos;empileur ne tourne pas</translation>
    </message>
    <message>
        <source>the straightener is running; switch it off first</source>
        <translation>le redresseur tourne ; arrêtez-le d&apos;abord</translation>
    </message>
    <message>
        <source>the straightener is not running</source>
        <translation>le redresseur ne tourne pas</translation>
    </message>
    <message>
        <source>the bezel is red already</source>
        <translation>la façade est déjà rouge</translation>
    </message>
    <message>
        <source>the bezel is green already</source>
        <translation>la façade est déjà verte</translation>
    </message>
    <message>
        <source>the bezel is blue already</source>
        <translation>la façade est déjà bleue</translation>
    </message>
    <message>
        <source>the bezel is white already</source>
        <translation>la façade est déjà blanche</translation>
    </message>
    <message>
        <source>stacker</source>
        <translation>empileur</translation>
    </message>
    <message>
        <source>straightener</source>
        <translation>redresseur</translation>
    </message>
    <message>
        <source>bezel light</source>
        <translation>éclairage de façade</translation>
    </message>
    <message>
        <source>such control</source>
        <translation>commande de ce type</translation>
    </message>
    <message>
        <source>transport motor</source>
        <translation>moteur de transport</translation>
    </message>
    <message>
        <source>note straightener</source>
        <translation>redresseur de billets</translation>
    </message>
    <message>
        <source>bezel colour</source>
        <translation>couleur de la façade</translation>
    </message>
    <message>
        <source>live reading of a sensor (name or number)</source>
        <translation>lecture en direct d&apos;un capteur (nom ou numéro)</translation>
    </message>
    <message>
        <source>stop the reading</source>
        <translation>arrêter la lecture</translation>
    </message>
    <message>
        <source>let time pass (for scripts)</source>
        <translation>laisser passer du temps (pour les scripts)</translation>
    </message>
    <message>
        <source>leave (also at end of input)</source>
        <translation>quitter (aussi en fin d&apos;entrée)</translation>
    </message>
    <message>
        <source>zavdiag controls: standard input cannot be read</source>
        <translation>zavdiag controls : l&apos;entrée standard ne peut pas être lue</translation>
    </message>
    <message>
        <source>unpoll: not polling</source>
        <translation>unpoll : aucune lecture en cours</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; type help for the commands</source>
        <translation>commande inconnue &quot;%1&quot; ; tapez help pour la liste des commandes</translation>
    </message>
    <message>
        <source>%1: this unit has no %2</source>
        <translation>%1 : cet appareil n&apos;a pas de %2</translation>
    </message>
    <message>
        <source>%1: not now, %2</source>
        <translation>%1 : pas maintenant, %2</translation>
    </message>
    <message>
        <source>poll: no sensor &quot;%1&quot;; the sensors are:</source>
        <translation>poll : aucun capteur &quot;%1&quot; ; les capteurs sont :</translation>
    </message>
    <message>
        <source>polling %1 %2</source>
        <translation>lecture %1 %2</translation>
    </message>
    <message>
        <source>wait: &quot;%1&quot; is not a number of seconds from 0 to 600</source>
        <translation>wait : &quot;%1&quot; n&apos;est pas un nombre de secondes entre 0 et 600</translation>
    </message>
    <message>
        <source>the report file name must end in .pdf or .html</source>
        <translation>le nom du fichier de rapport doit se terminer par .pdf ou .html</translation>
    </message>
    <message>
        <source>zavdiag diagnose: the run has no results to save</source>
        <translation>zavdiag diagnose : le test n&apos;a aucun résultat à enregistrer</translation>
    </message>
    <message>
        <source>run the automatic diagnostic; print the results, optionally save them and a service report</source>
        <translation>lancer le diagnostic automatique ; afficher les résultats, et au choix les enregistrer avec un rapport de maintenance</translation>
    </message>
    <message>
        <source>%1-%2 read %3</source>
        <translation>%1-%2 lu %3</translation>
    </message>
    <message>
        <source>Path (min-max, read)   Paper (min-max, read)</source>
        <translation>Trajet (min-max, lu)   Papier (min-max, lu)</translation>
    </message>
    <message>
        <source>%1 code %2  type %3  paper tgt %4  path tgt %5  gains %6/%7  phase delay %8  detect thresh %9  clear thresh %10</source>
        <translation>%1 code %2  type %3  cible papier %4  cible trajet %5  gains %6/%7  déphasage %8  seuil détect. %9  seuil libre %10</translation>
    </message>
    <message>
        <source>read the unit&apos;s identity, sensor and motor data</source>
        <translation>lire l&apos;identité, les données des capteurs et des moteurs de l&apos;appareil</translation>
    </message>
    <message>
        <source>%1 %2 gains %3/%4</source>
        <translation>%1 %2 gains %3/%4</translation>
    </message>
    <message>
        <source>run the unit&apos;s initialisation and calibration; show each sensor&apos;s status</source>
        <translation>lancer l&apos;initialisation et l&apos;étalonnage de l&apos;appareil ; afficher l&apos;état de chaque capteur</translation>
    </message>
    <message>
        <source>zavdiag %1: interrupted</source>
        <translation>zavdiag %1 : interrompu</translation>
    </message>
    <message>
        <source>Usage: zavdiag COMMAND [OPTIONS] | --help | --version</source>
        <translation>Usage : zavdiag COMMANDE [OPTIONS] | --help | --version</translation>
    </message>
    <message>
        <source>The service report (--report) is PDF or HTML, written without a display or any graphics library.</source>
        <translation>Le rapport de maintenance (--report) est en PDF ou en HTML, écrit sans écran ni bibliothèque graphique.</translation>
    </message>
    <message>
        <source>Exit status: 0 passed, 1 failed, 2 could not run.</source>
        <translation>Code de sortie : 0 réussi, 1 échoué, 2 n&apos;a pas pu s&apos;exécuter.</translation>
    </message>
    <message>
        <source>zavdiag: unknown option %1</source>
        <translation>zavdiag : option inconnue %1</translation>
    </message>
    <message>
        <source>zavdiag: unknown command %1</source>
        <translation>zavdiag : commande inconnue %1</translation>
    </message>
    <message>
        <source>zavdiag ports: no serial port was found; plug in the adaptor (a USB one shows within seconds) or point a number at a device with ZAV_COM&lt;n&gt;</source>
        <translation>zavdiag ports : aucun port série trouvé ; branchez l&apos;adaptateur (un adaptateur USB apparaît en quelques secondes) ou associez un numéro à un périphérique avec ZAV_COM&lt;n&gt;</translation>
    </message>
    <message>
        <source>list the serial ports as the port options do; * marks the current port</source>
        <translation>lister les ports série comme les options de port ; * marque le port actuel</translation>
    </message>
    <message>
        <source>Usage: zavdiag %1</source>
        <translation>Usage : zavdiag %1</translation>
    </message>
    <message>
        <source>Port description</source>
        <translation>Description du port</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Autres outils</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Autres menus</translation>
    </message>
    <message>
        <source>Choose the validator&apos;s port in %1 &gt; %2.</source>
        <translation>Choisissez le port du valideur dans %1 &gt; %2.</translation>
    </message>
    <message>
        <source>Simulated %1 on COM%2</source>
        <translation>%1 simulé sur COM%2</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, shorter than the 128-byte header of a program image</source>
        <translation>le fichier contient %1 octets, moins que l&apos;en-tête de 128 octets d&apos;une image de programme</translation>
    </message>
    <message>
        <source>the image holds only a RAM program (type letter &apos;b&apos;), a RAM utility, not a program for the unit</source>
        <translation>l&apos;image ne contient qu&apos;un programme RAM (lettre de type &apos;b&apos;), donc un utilitaire RAM, pas un programme pour l&apos;appareil</translation>
    </message>
    <message>
        <source>the header names no RAM loader (length 0)</source>
        <translation>l&apos;en-tête n&apos;indique aucun chargeur RAM (longueur 0)</translation>
    </message>
    <message>
        <source>the header names no main code (length 0)</source>
        <translation>l&apos;en-tête n&apos;indique aucun code principal (longueur 0)</translation>
    </message>
    <message>
        <source>the header describes %1 bytes (RAM loader %2, main code %3) but the file holds %4</source>
        <translation>l&apos;en-tête décrit %1 octets (chargeur RAM %2, code principal %3) mais le fichier en contient %4</translation>
    </message>
    <message>
        <source>the block size %1 is not a multiple of 128</source>
        <translation>la taille de bloc %1 n&apos;est pas un multiple de 128</translation>
    </message>
    <message>
        <source>the loader baud rate %1 is not one a serial line runs at</source>
        <translation>le débit de %1 bauds du chargeur n&apos;est pas un débit possible sur une ligne série</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, shorter than an old-format header</source>
        <translation>le fichier contient %1 octets, moins qu&apos;un en-tête de l&apos;ancien format</translation>
    </message>
    <message>
        <source>old-format image of type letter %1, above &apos;c&apos;: protected</source>
        <translation>image de l&apos;ancien format, lettre de type %1 au-delà de &apos;c&apos; : protégée</translation>
    </message>
    <message>
        <source>the old-format header names no blocks</source>
        <translation>l&apos;en-tête de l&apos;ancien format n&apos;indique aucun bloc</translation>
    </message>
    <message>
        <source>the header names %1 blocks of 128 bytes (%2 bytes) but the file holds %3</source>
        <translation>l&apos;en-tête indique %1 blocs de 128 octets (%2 octets) mais le fichier en contient %3</translation>
    </message>
    <message>
        <source>the image is too short to carry its version (at offset 65303)</source>
        <translation>l&apos;image est trop courte pour contenir sa version (à l&apos;offset 65303)</translation>
    </message>
    <message>
        <source>the version at offset 65303 is not three digits</source>
        <translation>la version à l&apos;offset 65303 n&apos;a pas trois chiffres</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>not a program image: the mark &quot;ZAV&quot; is missing at offsets 0 and 2</source>
        <translation>pas une image de programme : la marque &quot;ZAV&quot; manque aux offsets 0 et 2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device or a FIFO, not a regular file</source>
        <translation>c&apos;est un périphérique ou une FIFO, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, more than any unit takes</source>
        <translation>le fichier contient %1 octets, plus qu&apos;aucun appareil n&apos;accepte</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>il ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>il ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>the file grew past %1 bytes while it was read</source>
        <translation>le fichier a dépassé %1 octets pendant sa lecture</translation>
    </message>
    <message>
        <source>Format: %1</source>
        <translation>Format : %1</translation>
    </message>
    <message>
        <source>old format (128-byte blocks as commands)</source>
        <translation>ancien format (blocs de 128 octets sous forme de commandes)</translation>
    </message>
    <message>
        <source>RAM loader, reconnection, main code</source>
        <translation>chargeur RAM, reconnexion, code principal</translation>
    </message>
    <message>
        <source>Kind: %1</source>
        <translation>Catégorie : %1</translation>
    </message>
    <message>
        <source>Type letter: %1</source>
        <translation>Lettre de type : %1</translation>
    </message>
    <message>
        <source>RAM program: %1 bytes</source>
        <translation>Programme RAM : %1 octets</translation>
    </message>
    <message>
        <source>Main code: %1 bytes</source>
        <translation>Code principal : %1 octets</translation>
    </message>
    <message>
        <source>Blocks: %1 of %2 bytes</source>
        <translation>Blocs : %1 de %2 octets</translation>
    </message>
    <message>
        <source>Loader baud rate: %1</source>
        <translation>Débit du chargeur (bauds) : %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>not checked (the image skips the version checks)</source>
        <translation>non vérifiée (l&apos;image ignore les contrôles de version)</translation>
    </message>
    <message>
        <source>Simulator stand-in image: only a simulated unit takes it</source>
        <translation>Image de remplacement pour le simulateur : seul un appareil simulé l&apos;accepte</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>the file is not a program image (no &quot;ZAV&quot; mark)</source>
        <translation>le fichier n&apos;est pas une image de programme (pas de marque &quot;ZAV&quot;)</translation>
    </message>
    <message>
        <source>the port cannot be opened</source>
        <translation>le port ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the unit did not answer SYNC</source>
        <translation>l&apos;appareil n&apos;a pas répondu à SYNC</translation>
    </message>
    <message>
        <source>old-format image of a type above &apos;c&apos; (protected)</source>
        <translation>image de l&apos;ancien format d&apos;un type au-delà de &apos;c&apos; (protégée)</translation>
    </message>
    <message>
        <source>the transfer failed: a time-out, a write failure, a cancel or a refused block</source>
        <translation>le transfert a échoué : dépassement de délai, échec d&apos;écriture, annulation ou bloc refusé</translation>
    </message>
    <message>
        <source>the unit refused the program command or the version query</source>
        <translation>l&apos;appareil a refusé la commande de programmation ou la demande de version</translation>
    </message>
    <message>
        <source>the unit refused the header or a block (0xF9)</source>
        <translation>l&apos;appareil a refusé l&apos;en-tête ou un bloc (0xF9)</translation>
    </message>
    <message>
        <source>the unit refused the end-of-download command</source>
        <translation>l&apos;appareil a refusé la commande de fin de chargement</translation>
    </message>
    <message>
        <source>the unit refused the closing RESET</source>
        <translation>l&apos;appareil a refusé le RESET final</translation>
    </message>
    <message>
        <source>the unit&apos;s flash (type 2) takes no image older than version 109</source>
        <translation>la mémoire flash de l&apos;appareil (type 2) n&apos;accepte aucune image antérieure à la version 109</translation>
    </message>
    <message>
        <source>the unit did not answer the speed check</source>
        <translation>l&apos;appareil n&apos;a pas répondu au contrôle de vitesse</translation>
    </message>
    <message>
        <source>idle</source>
        <translation>inactif</translation>
    </message>
    <message>
        <source>sending the RAM loader</source>
        <translation>envoi du chargeur RAM</translation>
    </message>
    <message>
        <source>starting</source>
        <translation>démarrage</translation>
    </message>
    <message>
        <source>reconnecting</source>
        <translation>reconnexion</translation>
    </message>
    <message>
        <source>sending the header</source>
        <translation>envoi de l&apos;en-tête</translation>
    </message>
    <message>
        <source>sending the main code</source>
        <translation>envoi du code principal</translation>
    </message>
    <message>
        <source>reading the file</source>
        <translation>lecture du fichier</translation>
    </message>
    <message>
        <source>result 0x%1</source>
        <translation>résultat 0x%1</translation>
    </message>
    <message>
        <source>a simulator image, and COM%1 is not a simulated port</source>
        <translation>une image pour simulateur, et COM%1 n&apos;est pas un port simulé</translation>
    </message>
    <message>
        <source>sending blocks</source>
        <translation>envoi des blocs</translation>
    </message>
    <message>
        <source>stopped on request: the unit may need programming again</source>
        <translation>arrêté à la demande : l&apos;appareil devra peut-être être reprogrammé</translation>
    </message>
    <message>
        <source>identifying the unit again</source>
        <translation>nouvelle identification de l&apos;appareil</translation>
    </message>
    <message>
        <source>the unit did not answer after the download</source>
        <translation>l&apos;appareil n&apos;a pas répondu après le chargement</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>Image File...</source>
        <translation>Fichier image...</translation>
    </message>
    <message>
        <source>Identify Unit</source>
        <translation>Identifier l&apos;appareil</translation>
    </message>
    <message>
        <source>Blocks sent</source>
        <translation>Blocs envoyés</translation>
    </message>
    <message>
        <source>%v of %m blocks</source>
        <translation>%v blocs sur %m</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Program Download</source>
        <translation>Chargement du programme</translation>
    </message>
    <message>
        <source>Program Image</source>
        <translation>Image de programme</translation>
    </message>
    <message>
        <source>Program %1 %2 (firmware %3) with %4?
A download that does not complete leaves a unit that does not start.</source>
        <translation>Programmer %1 %2 (firmware %3) avec %4 ?
Un chargement inachevé laisse un appareil qui ne démarre plus.</translation>
    </message>
    <message>
        <source>Stop the download? The unit may then need programming again.</source>
        <translation>Arrêter le chargement ? L&apos;appareil devra peut-être alors être reprogrammé.</translation>
    </message>
    <message>
        <source>No image chosen.</source>
        <translation>Aucune image choisie.</translation>
    </message>
    <message>
        <source>Not sent: %1.</source>
        <translation>Non envoyé : %1.</translation>
    </message>
    <message>
        <source>%1, serial number %2
Firmware %3
Data set %4</source>
        <translation>%1, numéro de série %2
Firmware %3
Jeu de données %4</translation>
    </message>
    <message>
        <source>Unit not identified.</source>
        <translation>Appareil non identifié.</translation>
    </message>
    <message>
        <source>Programmed in %1 s.</source>
        <translation>Programmé en %1 s.</translation>
    </message>
    <message>
        <source>Failed: %1.</source>
        <translation>Échec : %1.</translation>
    </message>
    <message>
        <source>Not started: %1.</source>
        <translation>Non démarré : %1.</translation>
    </message>
    <message>
        <source>Firmware before: %1
Firmware after: %2</source>
        <translation>Firmware avant : %1
Firmware après : %2</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Stage: %1</source>
        <translation>Étape : %1</translation>
    </message>
    <message>
        <source>the history was written by a newer program (schema %1, this program knows %2)</source>
        <translation>l&apos;historique a été écrit par un programme plus récent (schéma %1, ce programme connaît %2)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
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
        <source>Runs</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>Open run</source>
        <translation>Ouvrir le test</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Back to the list</source>
        <translation>Retour à la liste</translation>
    </message>
    <message>
        <source>Trend: choose a run</source>
        <translation>Tendance : choisissez un test</translation>
    </message>
    <message>
        <source>Trend of unit %1:</source>
        <translation>Tendance de l&apos;appareil %1 :</translation>
    </message>
    <message>
        <source>Trend of the sensor&apos;s readings</source>
        <translation>Tendance des lectures du capteur</translation>
    </message>
    <message>
        <source>Path test</source>
        <translation>Test trajet</translation>
    </message>
    <message>
        <source>Paper test</source>
        <translation>Test papier</translation>
    </message>
    <message>
        <source>Limits (dashed)</source>
        <translation>Limites (tirets)</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échoué</translation>
    </message>
    <message>
        <source>No readings of this sensor</source>
        <translation>Aucune lecture de ce capteur</translation>
    </message>
    <message>
        <source>%1 % (%2 of %3 blocks, %4)</source>
        <translation>%1 % (%2 blocs sur %3, %4)</translation>
    </message>
    <message>
        <source>not confirmed: no terminal to ask at; give --yes</source>
        <translation>non confirmé : aucun terminal pour poser la question ; indiquez --yes</translation>
    </message>
    <message>
        <source>Program %1 %2 (firmware %3) with %4? [y/N]</source>
        <translation>Programmer %1 %2 (firmware %3) avec %4 ? [y/N]</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>non confirmé</translation>
    </message>
    <message>
        <source>no image file given</source>
        <translation>aucun fichier image indiqué</translation>
    </message>
    <message>
        <source>Image    </source>
        <translation>Image    </translation>
    </message>
    <message>
        <source>the unit does not answer</source>
        <translation>l&apos;appareil ne répond pas</translation>
    </message>
    <message>
        <source>Unit     %1, serial number %2</source>
        <translation>Appareil %1, numéro de série %2</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>Data set %1</source>
        <translation>Données  %1</translation>
    </message>
    <message>
        <source>zavdiag program: interrupted: the transfer was stopped, and the unit may need programming again</source>
        <translation>zavdiag program : interrompu : le transfert a été arrêté, et l&apos;appareil devra peut-être être reprogrammé</translation>
    </message>
    <message>
        <source>Programmed in %1 s: firmware %2 before, %3 after</source>
        <translation>Programmé en %1 s : firmware %2 avant, %3 après</translation>
    </message>
    <message>
        <source>zavdiag program: failed: %1</source>
        <translation>zavdiag program : échec : %1</translation>
    </message>
    <message>
        <source>zavdiag program: not started: %1</source>
        <translation>zavdiag program : non démarré : %1</translation>
    </message>
    <message>
        <source>Program Download...</source>
        <translation>Chargement du programme...</translation>
    </message>
    <message>
        <source>Send a program image to the unit</source>
        <translation>Envoyer une image de programme à l&apos;appareil</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>the damaged history %1 could not be moved aside</source>
        <translation>l&apos;historique endommagé %1 n&apos;a pas pu être mis de côté</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <translation>le pilote SQLite de Qt n&apos;est pas installé</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed</source>
        <translation>le pilote PostgreSQL de Qt n&apos;est pas installé</translation>
    </message>
    <message>
        <source>the new run was given no number</source>
        <translation>le nouveau test n&apos;a reçu aucun numéro</translation>
    </message>
    <message>
        <source>Initialisation</source>
        <translation>Initialisation</translation>
    </message>
    <message>
        <source>Diagnostic</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>simulated</source>
        <translation>simulé</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Outil</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Simulated</source>
        <translation>Simulé</translation>
    </message>
    <message>
        <source>The service history %1 cannot be read: %2</source>
        <translation>L&apos;historique de service %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The run cannot be read: %1</source>
        <translation>Le test ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>the history URL %1 cannot be read</source>
        <translation>l&apos;URL d&apos;historique %1 est illisible</translation>
    </message>
    <message>
        <source>the history URL %1 carries a password; a password belongs in ~/.pgpass or PGPASSWORD, never in the settings</source>
        <translation>l&apos;URL d&apos;historique %1 contient un mot de passe ; un mot de passe se met dans ~/.pgpass ou PGPASSWORD, jamais dans les paramètres</translation>
    </message>
    <message>
        <source>the history URL %1 has no valid port</source>
        <translation>l&apos;URL d&apos;historique %1 n&apos;a pas de port valide</translation>
    </message>
    <message>
        <source>the history URL %1 has a parameter this program does not pass on: %2</source>
        <translation>l&apos;URL d&apos;historique %1 a un paramètre que ce programme ne transmet pas : %2</translation>
    </message>
    <message>
        <source>The service history %1 was damaged. It was kept as %2 and a new history was started.</source>
        <translation>L&apos;historique de service %1 était endommagé. Il a été conservé sous %2 et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>The run could not be recorded in the service history %1: %2. The run&apos;s result stands.</source>
        <translation>Le test n&apos;a pas pu être enregistré dans l&apos;historique de service %1 : %2. Le résultat du test reste valable.</translation>
    </message>
    <message>
        <source>The run was kept in the local history %1 instead.</source>
        <translation>Le test a été conservé dans l&apos;historique local %1 à la place.</translation>
    </message>
    <message>
        <source>The service history cannot be used: %1.</source>
        <translation>L&apos;historique de service est inutilisable : %1.</translation>
    </message>
    <message>
        <source>The history server %1 could not be reached or written: %2.</source>
        <translation>Le serveur d&apos;historique %1 n&apos;a pas pu être joint ou écrit : %2.</translation>
    </message>
</context>
</TS>
