#include "app/StepNames.h"

namespace dudode {

std::string StepName(TCommandId id) {
  switch (id) {
    case TCommandId::AddEntry1:
    case TCommandId::AddEntry2:
      return "Tarif hinzufügen";
    case TCommandId::EditEntry1:
    case TCommandId::EditEntry2:
      return "Tarif ändern";
    case TCommandId::DeleteEntry1:
    case TCommandId::DeleteEntry2:
      return "Tarif löschen";
    case TCommandId::CopyOneUp:
    case TCommandId::CopyOneDown:
      return "Tarif kopieren";
    case TCommandId::CopyAllUp:
    case TCommandId::CopyAllDown:
      return "Alle Tarife kopieren";
    case TCommandId::SortAll:
      return "Tarife sortieren";
    case TCommandId::NewZone:
      return "Neue Tarifzone";
    case TCommandId::EditZone:
      return "Tarifzone ändern";
    case TCommandId::DeleteZone:
      return "Tarifzone löschen";
    case TCommandId::ReorderZones:
      return "Tarifzonen neu anordnen";
    case TCommandId::Options:
      return "Optionen der Tarifdatei";
    case TCommandId::Vat:
      return "Umsatzsteueranpassung";
    case TCommandId::TenPlus:
      return "10plus Rabatt";
    case TCommandId::Holidays:
      return "Feiertage";
    case TCommandId::Applications:
      return "Anwendungen";
    case TCommandId::Import:
      return "Import";
    default:
      return {};
  }
}

}  // namespace dudode
