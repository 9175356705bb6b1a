#include "resources/texts.h"

const char* FrenchText(Text id) {
  switch (id) {
    case Text::CaptionError: return "Erreur";
    case Text::CaptionMessage: return "Message";
    case Text::CaptionBeCareful: return "Attention";
  }
  return "";
}
