#pragma once
// What the template editors need to know about the tariff files of the
// program directory, and the provider names they offer.
#include <string>
#include <vector>

#include "core/Values.h"

namespace dudode {

struct TRatesFileInfo {
  std::string FileName;     // as found in the program directory
  std::string Description;  // FILENAME of COMMON, "_" turned into blanks
  std::string Identifier;   // PHONE.<extension>, upper case
  // Zone names in file order, with the access number (PhoneNr) and the area
  // set of the zone at the same index.
  std::vector<std::string> ZoneNames;
  std::vector<std::string> AccessNumbers;
  std::vector<TRelationSet> ZoneRelations;
  std::string AccessCode;  // ACCESSCODE of COMMON: the carrier's prefix
};

// "PHONE" and the extension of the file name, dot included, in capitals.
std::string PhoneTariffIdentifier(const std::string& fileName);

// Reads one tariff file of the program directory.
TRatesFileInfo ReadRatesFileInfo(const std::string& fileName);

// Every Rates.* file of the program directory, sorted by description.
std::vector<TRatesFileInfo> LoadPhoneTariffList();

// The tariff with that identifier (exact), or nullptr.
const TRatesFileInfo* FindPhoneTariff(const std::vector<TRatesFileInfo>& tariffs,
                                      const std::string& identifier);

// The display names of the providers in Provider.ini, "_" turned into blanks,
// sorted.
std::vector<std::string> LoadProviderNames();

// Whether name is in the list, compared without regard to case.
bool ContainsProviderName(const std::vector<std::string>& names, const std::string& name);

// Orders two texts as the template lists sort them: without regard to case.
bool TextLessNoCase(const std::string& a, const std::string& b);

}  // namespace dudode
