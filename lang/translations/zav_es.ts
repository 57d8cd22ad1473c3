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
</context>
</TS>
