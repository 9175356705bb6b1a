#include "resources/texts.h"

const char* SpanishText(Text id) {
  switch (id) {
    case Text::CaptionError: return "Error";
    case Text::CaptionMessage: return "Mensaje";
    case Text::CaptionBeCareful: return "Atención";
  }
  return "";
}
