<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>zav</name>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 se ha indicado más de una vez</translation>
    </message>
    <message>
        <source>unknown argument %1</source>
        <translation>argumento desconocido %1</translation>
    </message>
    <message>
        <source>not every byte was written</source>
        <translation>no se escribieron todos los bytes</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>falta el nombre del archivo</translation>
    </message>
    <message>
        <source>this is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>Cannot load the library %1 from %2 (%3).</source>
        <translation>No se puede cargar la biblioteca %1 desde %2 (%3).</translation>
    </message>
    <message>
        <source>The library %1 lacks the call(s) %2.</source>
        <translation>A la biblioteca %1 le faltan las llamadas %2.</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>lista</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>el dispositivo no existe</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>en uso por otro programa</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>no es un dispositivo serie</translation>
    </message>
    <message>
        <source>permission denied: add your user to the group `%1` and log in again</source>
        <translation>permiso denegado: añada su usuario al grupo `%1` y vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>permission denied: only `%1` may open it; ask the administrator to give it to a group such as `dialout`</source>
        <translation>permiso denegado: solo `%1` puede abrirlo; pida al administrador que lo asigne a un grupo como `dialout`</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>sin dispositivo</translation>
    </message>
    <message>
        <source>no serial port is chosen yet</source>
        <translation>aún no se ha elegido ningún puerto serie</translation>
    </message>
    <message>
        <source>FTDI USB adaptor (ftdi_sio)</source>
        <translation>adaptador USB FTDI (ftdi_sio)</translation>
    </message>
    <message>
        <source>USB CDC device (cdc_acm)</source>
        <translation>dispositivo USB CDC (cdc_acm)</translation>
    </message>
    <message>
        <source>Silicon Labs USB adaptor (cp210x)</source>
        <translation>adaptador USB Silicon Labs (cp210x)</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>puerto serie</translation>
    </message>
    <message>
        <source>, in </source>
        <translation>, en </translation>
    </message>
    <message>
        <source>Looked for %1 in %2.</source>
        <translation>Se buscó %1 en %2.</translation>
    </message>
    <message>
        <source> and in </source>
        <translation> y en </translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>No se puede abrir %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a RAM-utility file.</source>
        <translation>%1 es una carpeta, no un archivo de utilidad RAM.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a stand-in image that only the simulator runs, and %2 is not a simulated port, so nothing was sent. Put the maker&apos;s RAM-utility file in %3.</source>
        <translation>%1 es una imagen sustituta que solo ejecuta el simulador, y %2 no es un puerto simulado, así que no se envió nada. Ponga el archivo de utilidad RAM del fabricante en %3.</translation>
    </message>
    <message>
        <source> or in </source>
        <translation> o en </translation>
    </message>
    <message>
        <source>Run aborted: %1</source>
        <translation>Prueba interrumpida: %1</translation>
    </message>
    <message>
        <source>Run cancelled by the engineer</source>
        <translation>Prueba cancelada por el técnico</translation>
    </message>
    <message>
        <source>Run aborted before the tests: %1</source>
        <translation>Prueba interrumpida antes de los ensayos: %1</translation>
    </message>
    <message>
        <source>Service report</source>
        <translation>Informe de servicio</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>The results reached before the stop are shown; tests not reached show “%1”.</source>
        <translation>Se muestran los resultados obtenidos antes de la interrupción; las pruebas no alcanzadas indican «%1».</translation>
    </message>
    <message>
        <source>Mechanics</source>
        <translation>Mecánica</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Límites</translation>
    </message>
    <message>
        <source>Paper-less test</source>
        <translation>Prueba sin papel</translation>
    </message>
    <message>
        <source>Green-paper test</source>
        <translation>Prueba con papel verde</translation>
    </message>
    <message>
        <source>Sensor table</source>
        <translation>Tabla de sensores</translation>
    </message>
    <message>
        <source>a report file name ends in .pdf or .html</source>
        <translation>el nombre de un archivo de informe termina en .pdf o .html</translation>
    </message>
    <message>
        <source>RAM utility download</source>
        <translation>Carga de la utilidad RAM</translation>
    </message>
    <message>
        <source>Report…</source>
        <translation>Informe…</translation>
    </message>
    <message>
        <source>Save test data</source>
        <translation>Guardar datos de prueba</translation>
    </message>
    <message>
        <source>Save service report</source>
        <translation>Guardar informe de servicio</translation>
    </message>
    <message>
        <source>--port and --simulate do not go together</source>
        <translation>--port y --simulate no se pueden combinar</translation>
    </message>
    <message>
        <source>--fault and --paper-delay need --simulate</source>
        <translation>--fault y --paper-delay necesitan --simulate</translation>
    </message>
    <message>
        <source>the port number must be 1 to %1</source>
        <translation>el número de puerto debe ser de 1 a %1</translation>
    </message>
    <message>
        <source>unknown model %1; the simulator knows %2</source>
        <translation>modelo desconocido %1; el simulador conoce %2</translation>
    </message>
    <message>
        <source>the paper delay must be 0 to 600 seconds</source>
        <translation>el retardo del papel debe ser de 0 a 600 segundos</translation>
    </message>
    <message>
        <source>no serial port is stored in the settings; give --port N or --simulate MODEL</source>
        <translation>no hay ningún puerto serie guardado en la configuración; indique --port N o --simulate MODELO</translation>
    </message>
    <message>
        <source>COM%1 to COM%2 are all taken; no port is left for the simulator</source>
        <translation>COM%1 a COM%2 están todos ocupados; no queda ningún puerto para el simulador</translation>
    </message>
    <message>
        <source>the simulator cannot start: %1</source>
        <translation>el simulador no puede arrancar: %1</translation>
    </message>
    <message>
        <source>Simulated %1 on COM%2 (%3)</source>
        <translation>%1 simulado en COM%2 (%3)</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Línea de estado</translation>
    </message>
    <message>
        <source>the port number must be 1 to %1, as the RAM utility&apos;s channel reaches no higher</source>
        <translation>el número de puerto debe ser de 1 a %1, pues el canal de la utilidad RAM no llega más allá</translation>
    </message>
    <message>
        <source>zavdiag %1: the stored port is COM%2; %3</source>
        <translation>zavdiag %1: el puerto guardado es COM%2; %3</translation>
    </message>
    <message>
        <source>Unit %1 with %2 sensors:</source>
        <translation>Unidad %1 con %2 sensores:</translation>
    </message>
    <message>
        <source>Controls: %1. Type help for the commands.</source>
        <translation>Controles: %1. Escriba help para ver los comandos.</translation>
    </message>
    <message>
        <source>zavdiag controls: the unit is not ready for the controls</source>
        <translation>zavdiag controls: la unidad no está lista para los controles</translation>
    </message>
    <message>
        <source>drive the unit&apos;s motor, stacker, straightener and bezel, and read its sensors; commands from standard input</source>
        <translation>manejar el motor, el apilador, el enderezador y el bisel de la unidad y leer sus sensores; órdenes desde la entrada estándar</translation>
    </message>
    <message>
        <source>the motor is running; stop it first</source>
        <translation>el motor está en marcha; deténgalo primero</translation>
    </message>
    <message>
        <source>the motor is not running</source>
        <translation>el motor no está en marcha</translation>
    </message>
    <message>
        <source>the stacker is running; switch it off first</source>
        <translation>el apilador está en marcha; apáguelo primero</translation>
    </message>
    <message>
        <source>the stacker is not running</source>
        <translation>el apilador no está en marcha</translation>
    </message>
    <message>
        <source>the straightener is running; switch it off first</source>
        <translation>el enderezador está en marcha; apáguelo primero</translation>
    </message>
    <message>
        <source>the straightener is not running</source>
        <translation>el enderezador no está en marcha</translation>
    </message>
    <message>
        <source>the bezel is red already</source>
        <translation>el bisel ya está rojo</translation>
    </message>
    <message>
        <source>the bezel is green already</source>
        <translation>el bisel ya está verde</translation>
    </message>
    <message>
        <source>the bezel is blue already</source>
        <translation>el bisel ya está azul</translation>
    </message>
    <message>
        <source>the bezel is white already</source>
        <translation>el bisel ya está blanco</translation>
    </message>
    <message>
        <source>stacker</source>
        <translation>apilador</translation>
    </message>
    <message>
        <source>straightener</source>
        <translation>enderezador</translation>
    </message>
    <message>
        <source>bezel light</source>
        <translation>luz del bisel</translation>
    </message>
    <message>
        <source>such control</source>
        <translation>control de ese tipo</translation>
    </message>
    <message>
        <source>transport motor</source>
        <translation>motor de transporte</translation>
    </message>
    <message>
        <source>note straightener</source>
        <translation>enderezador de billetes</translation>
    </message>
    <message>
        <source>bezel colour</source>
        <translation>color del bisel</translation>
    </message>
    <message>
        <source>live reading of a sensor (name or number)</source>
        <translation>lectura en vivo de un sensor (nombre o número)</translation>
    </message>
    <message>
        <source>stop the reading</source>
        <translation>detener la lectura</translation>
    </message>
    <message>
        <source>let time pass (for scripts)</source>
        <translation>dejar pasar el tiempo (para scripts)</translation>
    </message>
    <message>
        <source>leave (also at end of input)</source>
        <translation>salir (también al final de la entrada)</translation>
    </message>
    <message>
        <source>zavdiag controls: standard input cannot be read</source>
        <translation>zavdiag controls: no se puede leer la entrada estándar</translation>
    </message>
    <message>
        <source>unpoll: not polling</source>
        <translation>unpoll: no hay ninguna lectura en curso</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; type help for the commands</source>
        <translation>comando desconocido &quot;%1&quot;; escriba help para ver los comandos</translation>
    </message>
    <message>
        <source>%1: this unit has no %2</source>
        <translation>%1: esta unidad no tiene %2</translation>
    </message>
    <message>
        <source>%1: not now, %2</source>
        <translation>%1: ahora no, %2</translation>
    </message>
    <message>
        <source>poll: no sensor &quot;%1&quot;; the sensors are:</source>
        <translation>poll: no hay ningún sensor &quot;%1&quot;; los sensores son:</translation>
    </message>
    <message>
        <source>polling %1 %2</source>
        <translation>leyendo %1 %2</translation>
    </message>
    <message>
        <source>wait: &quot;%1&quot; is not a number of seconds from 0 to 600</source>
        <translation>wait: &quot;%1&quot; no es un número de segundos de 0 a 600</translation>
    </message>
    <message>
        <source>the report file name must end in .pdf or .html</source>
        <translation>el nombre del archivo de informe debe terminar en .pdf o .html</translation>
    </message>
    <message>
        <source>zavdiag diagnose: the run has no results to save</source>
        <translation>zavdiag diagnose: la prueba no tiene resultados que guardar</translation>
    </message>
    <message>
        <source>run the automatic diagnostic; print the results, optionally save them and a service report</source>
        <translation>ejecutar el diagnóstico automático; mostrar los resultados y, si se desea, guardarlos junto con un informe de servicio</translation>
    </message>
    <message>
        <source>%1-%2 read %3</source>
        <translation>%1-%2 leído %3</translation>
    </message>
    <message>
        <source>Path (min-max, read)   Paper (min-max, read)</source>
        <translation>Trayecto (mín-máx, leído)   Papel (mín-máx, leído)</translation>
    </message>
    <message>
        <source>%1 code %2  type %3  paper tgt %4  path tgt %5  gains %6/%7  phase delay %8  detect thresh %9  clear thresh %10</source>
        <translation>%1 código %2  tipo %3  obj. papel %4  obj. trayecto %5  ganancias %6/%7  retardo fase %8  umbral detec. %9  umbral libre %10</translation>
    </message>
    <message>
        <source>read the unit&apos;s identity, sensor and motor data</source>
        <translation>leer la identidad y los datos de sensores y motores de la unidad</translation>
    </message>
    <message>
        <source>%1 %2 gains %3/%4</source>
        <translation>%1 %2 ganancias %3/%4</translation>
    </message>
    <message>
        <source>run the unit&apos;s initialisation and calibration; show each sensor&apos;s status</source>
        <translation>ejecutar la inicialización y calibración de la unidad; mostrar el estado de cada sensor</translation>
    </message>
    <message>
        <source>zavdiag %1: interrupted</source>
        <translation>zavdiag %1: interrumpido</translation>
    </message>
    <message>
        <source>Usage: zavdiag COMMAND [OPTIONS] | --help | --version</source>
        <translation>Uso: zavdiag COMANDO [OPCIONES] | --help | --version</translation>
    </message>
    <message>
        <source>The service report (--report) is PDF or HTML, written without a display or any graphics library.</source>
        <translation>El informe de servicio (--report) es PDF o HTML y se escribe sin pantalla ni biblioteca gráfica.</translation>
    </message>
    <message>
        <source>Exit status: 0 passed, 1 failed, 2 could not run.</source>
        <translation>Código de salida: 0 superada, 1 fallida, 2 no se pudo ejecutar.</translation>
    </message>
    <message>
        <source>zavdiag: unknown option %1</source>
        <translation>zavdiag: opción desconocida %1</translation>
    </message>
    <message>
        <source>zavdiag: unknown command %1</source>
        <translation>zavdiag: comando desconocido %1</translation>
    </message>
    <message>
        <source>zavdiag ports: no serial port was found; plug in the adaptor (a USB one shows within seconds) or point a number at a device with ZAV_COM&lt;n&gt;</source>
        <translation>zavdiag ports: no se encontró ningún puerto serie; conecte el adaptador (uno USB aparece en pocos segundos) o asigne un número a un dispositivo con ZAV_COM&lt;n&gt;</translation>
    </message>
    <message>
        <source>list the serial ports as the port options do; * marks the current port</source>
        <translation>listar los puertos serie como las opciones de puerto; * marca el puerto actual</translation>
    </message>
    <message>
        <source>Usage: zavdiag %1</source>
        <translation>Uso: zavdiag %1</translation>
    </message>
    <message>
        <source>Port description</source>
        <translation>Descripción del puerto</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Más herramientas</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Más menús</translation>
    </message>
    <message>
        <source>Choose the validator&apos;s port in %1 &gt; %2.</source>
        <translation>Elija el puerto del validador en %1 &gt; %2.</translation>
    </message>
    <message>
        <source>Simulated %1 on COM%2</source>
        <translation>%1 simulado en COM%2</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, shorter than the 128-byte header of a program image</source>
        <translation>el archivo contiene %1 bytes, menos que la cabecera de 128 bytes de una imagen de programa</translation>
    </message>
    <message>
        <source>the image holds only a RAM program (type letter &apos;b&apos;), a RAM utility, not a program for the unit</source>
        <translation>la imagen solo contiene un programa RAM (letra de tipo &apos;b&apos;), es decir, una utilidad RAM, no un programa para la unidad</translation>
    </message>
    <message>
        <source>the header names no RAM loader (length 0)</source>
        <translation>la cabecera no indica ningún cargador RAM (longitud 0)</translation>
    </message>
    <message>
        <source>the header names no main code (length 0)</source>
        <translation>la cabecera no indica ningún código principal (longitud 0)</translation>
    </message>
    <message>
        <source>the header describes %1 bytes (RAM loader %2, main code %3) but the file holds %4</source>
        <translation>la cabecera describe %1 bytes (cargador RAM %2, código principal %3) pero el archivo contiene %4</translation>
    </message>
    <message>
        <source>the block size %1 is not a multiple of 128</source>
        <translation>el tamaño de bloque %1 no es múltiplo de 128</translation>
    </message>
    <message>
        <source>the loader baud rate %1 is not one a serial line runs at</source>
        <translation>la velocidad de %1 baudios del cargador no es posible en una línea serie</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, shorter than an old-format header</source>
        <translation>el archivo contiene %1 bytes, menos que una cabecera del formato antiguo</translation>
    </message>
    <message>
        <source>old-format image of type letter %1, above &apos;c&apos;: protected</source>
        <translation>imagen del formato antiguo con letra de tipo %1, posterior a &apos;c&apos;: protegida</translation>
    </message>
    <message>
        <source>the old-format header names no blocks</source>
        <translation>la cabecera del formato antiguo no indica ningún bloque</translation>
    </message>
    <message>
        <source>the header names %1 blocks of 128 bytes (%2 bytes) but the file holds %3</source>
        <translation>la cabecera indica %1 bloques de 128 bytes (%2 bytes) pero el archivo contiene %3</translation>
    </message>
    <message>
        <source>the image is too short to carry its version (at offset 65303)</source>
        <translation>la imagen es demasiado corta para contener su versión (en el desplazamiento 65303)</translation>
    </message>
    <message>
        <source>the version at offset 65303 is not three digits</source>
        <translation>la versión en el desplazamiento 65303 no tiene tres dígitos</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>not a program image: the mark &quot;ZAV&quot; is missing at offsets 0 and 2</source>
        <translation>no es una imagen de programa: falta la marca &quot;ZAV&quot; en los desplazamientos 0 y 2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a device or a FIFO, not a regular file</source>
        <translation>es un dispositivo o un FIFO, no un archivo normal</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, more than any unit takes</source>
        <translation>el archivo contiene %1 bytes, más de lo que admite cualquier unidad</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>the file grew past %1 bytes while it was read</source>
        <translation>el archivo superó los %1 bytes mientras se leía</translation>
    </message>
    <message>
        <source>Format: %1</source>
        <translation>Formato: %1</translation>
    </message>
    <message>
        <source>old format (128-byte blocks as commands)</source>
        <translation>formato antiguo (bloques de 128 bytes como comandos)</translation>
    </message>
    <message>
        <source>RAM loader, reconnection, main code</source>
        <translation>cargador RAM, reconexión, código principal</translation>
    </message>
    <message>
        <source>Kind: %1</source>
        <translation>Clase: %1</translation>
    </message>
    <message>
        <source>Type letter: %1</source>
        <translation>Letra de tipo: %1</translation>
    </message>
    <message>
        <source>RAM program: %1 bytes</source>
        <translation>Programa RAM: %1 bytes</translation>
    </message>
    <message>
        <source>Main code: %1 bytes</source>
        <translation>Código principal: %1 bytes</translation>
    </message>
    <message>
        <source>Blocks: %1 of %2 bytes</source>
        <translation>Bloques: %1 de %2 bytes</translation>
    </message>
    <message>
        <source>Loader baud rate: %1</source>
        <translation>Velocidad del cargador (baudios): %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>not checked (the image skips the version checks)</source>
        <translation>no comprobada (la imagen omite las comprobaciones de versión)</translation>
    </message>
    <message>
        <source>Simulator stand-in image: only a simulated unit takes it</source>
        <translation>Imagen sustituta para el simulador: solo la admite una unidad simulada</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>no se puede abrir el archivo</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>the file is not a program image (no &quot;ZAV&quot; mark)</source>
        <translation>el archivo no es una imagen de programa (sin marca &quot;ZAV&quot;)</translation>
    </message>
    <message>
        <source>the port cannot be opened</source>
        <translation>no se puede abrir el puerto</translation>
    </message>
    <message>
        <source>the unit did not answer SYNC</source>
        <translation>la unidad no respondió a SYNC</translation>
    </message>
    <message>
        <source>old-format image of a type above &apos;c&apos; (protected)</source>
        <translation>imagen del formato antiguo de un tipo posterior a &apos;c&apos; (protegida)</translation>
    </message>
    <message>
        <source>the transfer failed: a time-out, a write failure, a cancel or a refused block</source>
        <translation>la transferencia falló: tiempo de espera agotado, fallo de escritura, cancelación o bloque rechazado</translation>
    </message>
    <message>
        <source>the unit refused the program command or the version query</source>
        <translation>la unidad rechazó el comando de programación o la consulta de versión</translation>
    </message>
    <message>
        <source>the unit refused the header or a block (0xF9)</source>
        <translation>la unidad rechazó la cabecera o un bloque (0xF9)</translation>
    </message>
    <message>
        <source>the unit refused the end-of-download command</source>
        <translation>la unidad rechazó el comando de fin de carga</translation>
    </message>
    <message>
        <source>the unit refused the closing RESET</source>
        <translation>la unidad rechazó el RESET final</translation>
    </message>
    <message>
        <source>the unit&apos;s flash (type 2) takes no image older than version 109</source>
        <translation>la memoria flash de la unidad (tipo 2) no admite ninguna imagen anterior a la versión 109</translation>
    </message>
    <message>
        <source>the unit did not answer the speed check</source>
        <translation>la unidad no respondió a la comprobación de velocidad</translation>
    </message>
    <message>
        <source>idle</source>
        <translation>inactivo</translation>
    </message>
    <message>
        <source>sending the RAM loader</source>
        <translation>enviando el cargador RAM</translation>
    </message>
    <message>
        <source>starting</source>
        <translation>iniciando</translation>
    </message>
    <message>
        <source>reconnecting</source>
        <translation>reconectando</translation>
    </message>
    <message>
        <source>sending the header</source>
        <translation>enviando la cabecera</translation>
    </message>
    <message>
        <source>sending the main code</source>
        <translation>enviando el código principal</translation>
    </message>
    <message>
        <source>reading the file</source>
        <translation>leyendo el archivo</translation>
    </message>
    <message>
        <source>result 0x%1</source>
        <translation>resultado 0x%1</translation>
    </message>
    <message>
        <source>a simulator image, and COM%1 is not a simulated port</source>
        <translation>una imagen para simulador, y COM%1 no es un puerto simulado</translation>
    </message>
    <message>
        <source>sending blocks</source>
        <translation>enviando bloques</translation>
    </message>
    <message>
        <source>stopped on request: the unit may need programming again</source>
        <translation>detenido a petición: puede que la unidad tenga que programarse de nuevo</translation>
    </message>
    <message>
        <source>identifying the unit again</source>
        <translation>identificando de nuevo la unidad</translation>
    </message>
    <message>
        <source>the unit did not answer after the download</source>
        <translation>la unidad no respondió tras la carga</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminado</translation>
    </message>
    <message>
        <source>Image File...</source>
        <translation>Archivo de imagen...</translation>
    </message>
    <message>
        <source>Identify Unit</source>
        <translation>Identificar unidad</translation>
    </message>
    <message>
        <source>Blocks sent</source>
        <translation>Bloques enviados</translation>
    </message>
    <message>
        <source>%v of %m blocks</source>
        <translation>%v de %m bloques</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Program Download</source>
        <translation>Carga de programa</translation>
    </message>
    <message>
        <source>Program Image</source>
        <translation>Imagen de programa</translation>
    </message>
    <message>
        <source>Program %1 %2 (firmware %3) with %4?
A download that does not complete leaves a unit that does not start.</source>
        <translation>¿Programar %1 %2 (firmware %3) con %4?
Si la carga no se completa, la unidad no arrancará.</translation>
    </message>
    <message>
        <source>Stop the download? The unit may then need programming again.</source>
        <translation>¿Detener la carga? Puede que después la unidad tenga que programarse de nuevo.</translation>
    </message>
    <message>
        <source>No image chosen.</source>
        <translation>No se ha elegido ninguna imagen.</translation>
    </message>
    <message>
        <source>Not sent: %1.</source>
        <translation>No enviado: %1.</translation>
    </message>
    <message>
        <source>%1, serial number %2
Firmware %3
Data set %4</source>
        <translation>%1, número de serie %2
Firmware %3
Conjunto de datos %4</translation>
    </message>
    <message>
        <source>Unit not identified.</source>
        <translation>Unidad no identificada.</translation>
    </message>
    <message>
        <source>Programmed in %1 s.</source>
        <translation>Programación completada en %1 s.</translation>
    </message>
    <message>
        <source>Failed: %1.</source>
        <translation>Fallo: %1.</translation>
    </message>
    <message>
        <source>Not started: %1.</source>
        <translation>No iniciado: %1.</translation>
    </message>
    <message>
        <source>Firmware before: %1
Firmware after: %2</source>
        <translation>Firmware antes: %1
Firmware después: %2</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Stage: %1</source>
        <translation>Fase: %1</translation>
    </message>
    <message>
        <source>the history was written by a newer program (schema %1, this program knows %2)</source>
        <translation>el historial lo escribió un programa más reciente (esquema %1, este programa conoce %2)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Open run</source>
        <translation>Abrir prueba</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Back to the list</source>
        <translation>Volver a la lista</translation>
    </message>
    <message>
        <source>Trend: choose a run</source>
        <translation>Tendencia: elija una prueba</translation>
    </message>
    <message>
        <source>Trend of unit %1:</source>
        <translation>Tendencia de la unidad %1:</translation>
    </message>
    <message>
        <source>Trend of the sensor&apos;s readings</source>
        <translation>Tendencia de las lecturas del sensor</translation>
    </message>
    <message>
        <source>Path test</source>
        <translation>Prueba de trayecto</translation>
    </message>
    <message>
        <source>Paper test</source>
        <translation>Prueba de papel</translation>
    </message>
    <message>
        <source>Limits (dashed)</source>
        <translation>Límites (a trazos)</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallida</translation>
    </message>
    <message>
        <source>No readings of this sensor</source>
        <translation>No hay lecturas de este sensor</translation>
    </message>
    <message>
        <source>%1 % (%2 of %3 blocks, %4)</source>
        <translation>%1 % (%2 de %3 bloques, %4)</translation>
    </message>
    <message>
        <source>not confirmed: no terminal to ask at; give --yes</source>
        <translation>no confirmado: no hay ningún terminal donde preguntar; indique --yes</translation>
    </message>
    <message>
        <source>Program %1 %2 (firmware %3) with %4? [y/N]</source>
        <translation>¿Programar %1 %2 (firmware %3) con %4? [y/N]</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>no confirmado</translation>
    </message>
    <message>
        <source>no image file given</source>
        <translation>no se ha indicado ningún archivo de imagen</translation>
    </message>
    <message>
        <source>Image    </source>
        <translation>Imagen   </translation>
    </message>
    <message>
        <source>the unit does not answer</source>
        <translation>la unidad no responde</translation>
    </message>
    <message>
        <source>Unit     %1, serial number %2</source>
        <translation>Unidad   %1, número de serie %2</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>Data set %1</source>
        <translation>Datos    %1</translation>
    </message>
    <message>
        <source>zavdiag program: interrupted: the transfer was stopped, and the unit may need programming again</source>
        <translation>zavdiag program: interrumpido: se detuvo la transferencia y puede que la unidad tenga que programarse de nuevo</translation>
    </message>
    <message>
        <source>Programmed in %1 s: firmware %2 before, %3 after</source>
        <translation>Programación completada en %1 s: firmware %2 antes, %3 después</translation>
    </message>
    <message>
        <source>zavdiag program: failed: %1</source>
        <translation>zavdiag program: fallo: %1</translation>
    </message>
    <message>
        <source>zavdiag program: not started: %1</source>
        <translation>zavdiag program: no iniciado: %1</translation>
    </message>
    <message>
        <source>Program Download...</source>
        <translation>Carga de programa...</translation>
    </message>
    <message>
        <source>Send a program image to the unit</source>
        <translation>Enviar una imagen de programa a la unidad</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>the damaged history %1 could not be moved aside</source>
        <translation>el historial dañado %1 no se pudo apartar</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <translation>el controlador SQLite de Qt no está instalado</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed</source>
        <translation>el controlador PostgreSQL de Qt no está instalado</translation>
    </message>
    <message>
        <source>the new run was given no number</source>
        <translation>la nueva prueba no recibió ningún número</translation>
    </message>
    <message>
        <source>Initialisation</source>
        <translation>Inicialización</translation>
    </message>
    <message>
        <source>Diagnostic</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>simulated</source>
        <translation>simulada</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Herramienta</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Simulated</source>
        <translation>Simulada</translation>
    </message>
    <message>
        <source>The service history %1 cannot be read: %2</source>
        <translation>No se puede leer el historial de servicio %1: %2</translation>
    </message>
    <message>
        <source>The run cannot be read: %1</source>
        <translation>No se puede leer la prueba: %1</translation>
    </message>
    <message>
        <source>the history URL %1 cannot be read</source>
        <translation>la URL del historial %1 no se puede leer</translation>
    </message>
    <message>
        <source>the history URL %1 carries a password; a password belongs in ~/.pgpass or PGPASSWORD, never in the settings</source>
        <translation>la URL del historial %1 contiene una contraseña; una contraseña va en ~/.pgpass o PGPASSWORD, nunca en la configuración</translation>
    </message>
    <message>
        <source>the history URL %1 has no valid port</source>
        <translation>la URL del historial %1 no tiene un puerto válido</translation>
    </message>
    <message>
        <source>the history URL %1 has a parameter this program does not pass on: %2</source>
        <translation>la URL del historial %1 tiene un parámetro que este programa no transmite: %2</translation>
    </message>
    <message>
        <source>The service history %1 was damaged. It was kept as %2 and a new history was started.</source>
        <translation>El historial de servicio %1 estaba dañado. Se conservó como %2 y se empezó un historial nuevo.</translation>
    </message>
    <message>
        <source>The run could not be recorded in the service history %1: %2. The run&apos;s result stands.</source>
        <translation>La prueba no se pudo registrar en el historial de servicio %1: %2. El resultado de la prueba es válido.</translation>
    </message>
    <message>
        <source>The run was kept in the local history %1 instead.</source>
        <translation>La prueba se guardó en su lugar en el historial local %1.</translation>
    </message>
    <message>
        <source>The service history cannot be used: %1.</source>
        <translation>No se puede usar el historial de servicio: %1.</translation>
    </message>
    <message>
        <source>The history server %1 could not be reached or written: %2.</source>
        <translation>No se pudo acceder al servidor del historial %1 o escribir en él: %2.</translation>
    </message>
</context>
</TS>
