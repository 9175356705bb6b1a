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
  }
  return "";
}
