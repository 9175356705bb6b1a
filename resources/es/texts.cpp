#include "resources/texts.h"

const char* SpanishText(Text id) {
  switch (id) {
    case Text::CaptionError:
      return "Error";
    case Text::CaptionMessage:
      return "Mensaje";
    case Text::CaptionBeCareful:
      return "Atención";
    case Text::CaptionImportantMessage:
      return "Mensaje importante";
    case Text::MenuFile:
      return "Archivo";
    case Text::MenuNewEvent:
      return "Nuevo evento";
    case Text::MenuLoadEvent:
      return "Abrir evento";
    case Text::MenuSave:
      return "Guardar";
    case Text::MenuSaveAs:
      return "Guardar como...";
    case Text::MenuQuit:
      return "Salir";
    case Text::MenuDatabase:
      return "Base de datos";
    case Text::MenuCarCategories:
      return "Categorías de coches";
    case Text::MenuCars:
      return "Coches";
    case Text::MenuClubs:
      return "Clubes/Equipos";
    case Text::MenuAgeCategories:
      return "Categorías de edad";
    case Text::MenuDrivers:
      return "Pilotos";
    case Text::MenuChampionships:
      return "Campeonatos";
    case Text::MenuTransponders:
      return "Transpondedores";
    case Text::MenuFrequencies:
      return "Frecuencias";
    case Text::MenuPenalties:
      return "Penalizaciones";
    case Text::MenuPenaltiesAbandonments:
      return "Penalizaciones/Abandonos";
    case Text::MenuChampionshipsPopup:
      return "Campeonatos";
    case Text::MenuChampionshipClassifications:
      return "Clasificaciones de campeonatos";
    case Text::MenuCountdown:
      return "Cuenta atrás";
    case Text::MenuAdditionalScreen:
      return "Pantalla adicional";
    case Text::MenuSettings:
      return "Ajustes";
    case Text::MenuSounds:
      return "Sonidos";
    case Text::MenuDisplay:
      return "Pantalla";
    case Text::MenuInterface:
      return "Interfaz";
    case Text::MenuInternet:
      return "Internet";
    case Text::MenuHelpPopup:
      return "?";
    case Text::MenuHelp:
      return "Ayuda";
    case Text::MenuModifyResults:
      return "Modificar resultados";
    case Text::MenuActivate:
      return "Activar";
    case Text::MenuDeactivate:
      return "Desactivar";
    case Text::MenuAddComment:
      return "Añadir un comentario";
    case Text::MenuInformation:
      return "Información";
    case Text::MenuNewRally:
      return "Nuevo rally";
    case Text::MenuRenameRally:
      return "Renombrar rally";
    case Text::MenuListOfParticipants:
      return "Lista de participantes";
    case Text::MenuStartOrder:
      return "Orden de salida de los pilotos";
    case Text::MenuRaceParameters:
      return "Parámetros de carrera";
    case Text::MenuAddSpecialStage:
      return "Añadir un tramo";
    case Text::MenuCreatePowerStage:
      return "Crear Power Stage";
    case Text::MenuRemoveSpecialStage:
      return "Eliminar el tramo";
    case Text::ComPortFileNotFound:
      return "Error: archivo del puerto COM no encontrado";
    case Text::CouldNotOpenComPort:
      return "No se pudo abrir el puerto COM";
    case Text::InterfaceZL1Ready:
      return "Puerto COM abierto correctamente, OK !\n Interfaz Vellgrin ZL1 lista para funcionar";
    case Text::InterfaceZL2Ready:
      return "Interfaz Vellgrin ZL2 lista para funcionar";
    case Text::PrintingWarning:
      return "La impresión de documentos con las últimas versiones de Windows 11 puede producir un fallo que cierra el programa.\nSi su ordenador funciona con W11, antes de usar el programa, compruébelo imprimiendo 2 documentos seguidos. Si el fallo aparece, los resultados de la carrera no deben imprimirse directamente, sino mediante capturas de pantalla.\nEstamos trabajando para resolver este problema.";
    case Text::MonthJanuary:
      return "Enero";
    case Text::MonthFebruary:
      return "Febrero";
    case Text::MonthMarch:
      return "Marzo";
    case Text::MonthApril:
      return "Abril";
    case Text::MonthMay:
      return "Mayo";
    case Text::MonthJune:
      return "Junio";
    case Text::MonthJuly:
      return "Julio";
    case Text::MonthAugust:
      return "Agosto";
    case Text::MonthSeptember:
      return "Septiembre";
    case Text::MonthOctober:
      return "Octubre";
    case Text::MonthNovember:
      return "Noviembre";
    case Text::MonthDecember:
      return "Diciembre";
    case Text::PenaltyAbandonName:
      return "Abandono piloto";
    case Text::PenaltyAbandonDescription:
      return "Abandono de un piloto durante un tramo";
    case Text::PenaltyLateStartName:
      return "Salida con retraso";
    case Text::PenaltyLateStartDescription:
      return "Un piloto tomó la salida del tramo con retraso";
    case Text::PenaltyLateStartImportedDescription:
      return "Un piloto tomó la salida del tramo con retraso";
    case Text::TreeviewFlagsTitleNotFound:
      return "Error: título de los indicadores del árbol no encontrado";
    case Text::TreeviewFlagsTitleNotFoundMain:
      return "Error: título de los indicadores del árbol no encontrado";
    case Text::StageTitleNotFound:
      return "Error: título del tramo no encontrado";
    case Text::PenaltiesTitleNotFound:
      return "Error: título de la lista de penalizaciones no encontrado";
    case Text::RallyHeaderTooLong:
      return "Error: los nombres de los rallyes son demasiado largos para guardarse en el archivo del evento";
    case Text::EventFileNotWritten:
      return "Error: no se pudo escribir el archivo del evento";
    case Text::FinishReactivatedQuestion:
      return "¡El final de la especial para %s acaba de reactivarse!\n¿Desea actualizar su tiempo?";
    case Text::None:
      return "";
    case Text::CaptionErreur:
      return "Error";
    case Text::WebCoordinatesNotWritten:
      return "Error: no se puede abrir el archivo de coordenadas web";
    case Text::RallyFileNotFound:
      return "Error : Archivo del rally no encontrado";
    case Text::SpecificPenaltiesNotFound:
      return "Error : Archivo de penalizaciones específicas no encontrado";
    case Text::CountryNamesNotFound:
      return "Error : Base de datos de nombres de países no encontrada";
    case Text::CountryCodesNotFound:
      return "Error : Base de datos de códigos de países no encontrada";
    case Text::DriverSummariesNotFound:
      return "Error : Mini base de datos de pilotos no encontrada";
    case Text::TranspondersNotFound:
      return "Error: Base de datos de transpondedores no encontrada";
    case Text::SoundSettingsNotFound:
      return "Error: Archivo de ajustes de sonido no encontrado";
    case Text::CustomSoundsNotFound:
      return "Error: Archivo de sonidos personalizados no encontrado";
    case Text::DisplaySettingsNotFound:
      return "Error: Archivo de ajustes de pantalla no encontrado";
    case Text::CloseWhileTiming:
      return "¡Una especial o un escaneo está en curso!\r\n¡No puede salir de la aplicación!";
    case Text::QuitQuestion:
      return "¡Desea salir!\n¿Desea guardar el rally actual?";
    case Text::NewEventQuestion:
      return "¡Desea empezar una nueva prueba!\n¿Desea guardar la actual?";
    case Text::SaveCurrentEventQuestion:
      return "¿Desea guardar la prueba actual?";
    case Text::RallyFileFilter:
      return "Archivo de rally (.rall)";
    case Text::BackupFileNotFound:
      return "Error: Archivo de copia no encontrado";
    case Text::RallyNameRefused:
      return "La entrada no es correcta.\nEl nombre del rally sólo debe contener :\n - letras sin acentos\n - números\n - espacios\n - '_' y '/'";
    case Text::RallyNameEmpty:
      return "El nombre de un rally no debe estar vacío ni empezar por un espacio.";
    case Text::ParticipantsTitleNotFound:
      return "Error: Título de la lista de participantes no encontrado";
    case Text::StartOrderTitleNotFound:
      return "Error: Título de la parrilla de salida no encontrado";
    case Text::PenaltiesDatabaseNotFound:
      return "Error : Base de datos de penalizaciones no encontrada";
    case Text::CountdownAlreadyOpen:
      return "La pantalla de la cuenta atrás ya está abierta";
    case Text::CommentFileNotFound:
      return "Error: Archivo del comentario no encontrado";
    case Text::MaximumStartTime:
      return "Retraso máximo : %d:%02d";
    case Text::TreeTrack:
      return "Pista";
    case Text::TreeDrivers:
      return "Pilotos (%d)";
    case Text::TreeSpecialStages:
      return "Especiales";
    case Text::TreeStartOrder:
      return "OrdenSalida";
    case Text::TreeParameters:
      return "Parámetros";
    case Text::TreeClassifications:
      return "Clasificaciones";
    case Text::TreeClassRally:
      return "Clas. Rally";
    case Text::TreeStage:
      return "TC%d";
    case Text::TreePowerStage:
      return "Power Stage";
    case Text::TreeClassStage:
      return "Clas. TC%d";
    case Text::TreeClassPowerStage:
      return "Clas. Power Stage";
    case Text::DefaultRallyName:
      return "RALLY %d";
    case Text::StageTitle:
      return " %s - TC%d ";
    case Text::StageTitlePowerStage:
      return " %s - Power Stage ";
    case Text::MenuRemovePowerStage:
      return "Quitar la Power Stage";
    case Text::MenuRestoreStage:
      return "Restaurar 'TC%d'";
    case Text::ControlStart:
      return "Salida";
    case Text::ControlPause:
      return "Pausa";
    case Text::ControlClear:
      return "Borrar";
    case Text::ControlComment:
      return "Comentario";
    case Text::ControlClockGroup:
      return "Duración / Reloj";
    case Text::ControlCountdownGroup:
      return "Cuenta atrás";
    case Text::ControlTransponderModeGroup:
      return "Modo transpondedores";
    case Text::ControlPersonalChips:
      return "Chips propios";
    case Text::ControlClubChips:
      return "Chips del club";
    case Text::ControlSetTransponders:
      return "SetTransponders";
    case Text::ControlMessageBox:
      return "MessageBox";
    case Text::CrashCopyFailed:
      return "Error: la prueba de la sesión anterior no se pudo copiar en DoVorodIvar.rall.\nSe pierde cuando esta sesión empieza su nueva prueba.";
    case Text::EventNotSaved:
      return "Error: la prueba no se pudo guardar en el archivo elegido.";
    case Text::EventNotLoaded:
      return "Error: no se pudo cargar el archivo de prueba elegido; la prueba actual sigue abierta.";
    case Text::EventPathTooLong:
      return "Error: la ruta del archivo de prueba es demasiado larga.";
    case Text::DialogOk:
      return "Aceptar";
    case Text::DialogCancel:
      return "Cancelar";
    case Text::UnitSeconds:
      return "s";
    case Text::UnitMinutes:
      return "min";
    case Text::UnitSec:
      return "seg";
    case Text::InterfaceCaption:
      return "Interfaz";
    case Text::InterfaceTitle:
      return "Decodificador Vellgrin";
    case Text::InterfaceDecoderGroup:
      return "Decodificador";
    case Text::InterfacePortGroup:
      return "Puerto COM";
    case Text::InterfaceConnect:
      return "Conectar";
    case Text::InterfaceMessageGroup:
      return "Mensaje";
    case Text::InterfaceReadyZL1:
      return " La interfaz ZL1 está lista para funcionar.\r\n";
    case Text::InterfaceReadyZL2:
      return " La interfaz ZL2 está lista para funcionar.\r\n";
    case Text::InterfacePortNotOpen:
      return " ¡El puerto COM no está abierto!\r\n";
    case Text::InterfaceOpeningAttempt:
      return " Intento de apertura del puerto COM:\r\n";
    case Text::InterfaceCouldNotOpen:
      return " ¡No se pudo abrir el puerto COM!\r\n";
    case Text::InterfaceOpenedOk:
      return " Puerto COM abierto correctamente, ¡OK!\r\n";
    case Text::InterfaceConnectedZL1:
      return " ¡La interfaz ZL1 está lista para funcionar!\r\n";
    case Text::InterfaceConnectedZL2:
      return " ¡La interfaz ZL2 está lista para funcionar!\r\n";
    case Text::InterfaceFileNotFound:
      return "Error: no se encuentra el archivo de la interfaz";
    case Text::InterfaceChoosePort:
      return "Hay que elegir un puerto COM antes de conectar.";
    case Text::RaceParametersCaption:
      return "Parámetros de carrera";
    case Text::RaceParametersRally:
      return "Rally:";
    case Text::RaceParametersValidate:
      return "Validar";
    case Text::RaceParametersStartTypeGroup:
      return "Tipo de salida";
    case Text::RaceParametersStandardStart:
      return "Salida estándar (principiantes)";
    case Text::RaceParametersWrcStart:
      return "Salida WRC (expertos)";
    case Text::RaceParametersInterval:
      return "Intervalo entre las salidas de los pilotos";
    case Text::RaceParametersRest:
      return "Descanso entre los tramos";
    case Text::RaceParametersMinimumLap:
      return "Tiempo mín. de vuelta:";
    case Text::RaceParametersFileNotFound:
      return "Error: no se encuentra el archivo del rally";
    case Text::RaceParametersTitleNotFound:
      return "Error: no se encuentra el título de los parámetros de carrera";
    case Text::RaceParametersTitle2NotFound:
      return "Error: no se encuentra el 2º título de los parámetros de carrera";
    case Text::StageCommentCaption:
      return "Comentario sobre el tramo";
    case Text::StageCommentEnter:
      return "Introducir";
    case Text::StageCommentConditions:
      return "Estado de la pista:";
    case Text::StageCommentDryButton:
      return "seco";
    case Text::StageCommentWetButton:
      return "lluvia";
    case Text::StageCommentIceButton:
      return "hielo";
    case Text::StageCommentAdd:
      return "Añadir un comentario:";
    case Text::StageCommentFileNotFound:
      return "Error: no se encuentra el archivo del comentario del tramo";
    case Text::TrackConditionDry:
      return "Seco";
    case Text::TrackConditionWet:
      return "Lluvia";
    case Text::TrackConditionIce:
      return "Hielo";
    case Text::PenaltiesCaption:
      return "Penalizaciones y abandonos";
    case Text::PenaltiesMax:
      return "Penalizaciones  (50 máx.)";
    case Text::PenaltiesId:
      return "ID";
    case Text::PenaltiesCreate:
      return "Crear";
    case Text::PenaltiesRemove:
      return "Eliminar";
    case Text::PenaltiesNew:
      return " Nueva penalización";
    case Text::PenaltiesName:
      return "Nombre de la penalización:";
    case Text::PenaltiesDescription:
      return "Descripción:";
    case Text::PenaltiesDuration:
      return "Duración de la penalización:";
    case Text::PenaltyKindGross:
      return "Aplicada en bruto";
    case Text::PenaltyKindAdded:
      return "Sumada al tiempo del piloto";
    case Text::PenaltyKindAfterWinner:
      return "Tras el ganador del tramo";
    case Text::PenaltyKindAfterLast:
      return "Tras el último del tramo";
    case Text::PenaltiesLateStartActivated:
      return "Penalización 'Salida con retraso' activada";
    case Text::PenaltiesCriticalDelay:
      return "Retraso crítico de salida:";
    case Text::PenaltiesImport:
      return "Importar";
    case Text::PenaltiesExport:
      return "Exportar";
    case Text::PenaltiesAbandonHeader:
      return "Abandono : A";
    case Text::PenaltiesPenaltyHeader:
      return "Penalización : ";
    case Text::PenaltiesFileType:
      return "Base de datos Penalizaciones (.pen)";
    case Text::PenaltyDialogDatabaseNotFound:
      return "Error: no se encuentra el archivo de la base de datos de penalizaciones";
    case Text::PenaltyDialogSettingsNotFound:
      return "Error: no se encuentra el archivo de penalizaciones específicas";
    case Text::PenaltyDialogImportNotFound:
      return "Error: no se encuentra el archivo de importación 'Penalizaciones'";
    case Text::PenaltyDialogExportNotFound:
      return "Error: no se encuentra el archivo de exportación 'Penalizaciones'";
#include "resources/es/database_dialog_texts.inc"
#include "resources/es/race_screen_texts.inc"
#include "resources/es/race_engine_texts.inc"
#include "resources/es/live_table_texts.inc"
#include "resources/es/participants_publishing_texts.inc"
#include "resources/es/participants_dialog_texts.inc"
#include "resources/es/driver_details_texts.inc"
#include "resources/es/event_setup_texts.inc"
#include "resources/es/stage_classification_texts.inc"
#include "resources/es/championships_texts.inc"
#include "resources/es/settings_dialog_texts.inc"
#include "resources/es/page_export_texts.inc"
#include "resources/es/rally_classification_texts.inc"
  }
  return "";
}
