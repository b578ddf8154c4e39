// merovane-tablegen OUTPUT.cpp CONSTANTS.units CATEGORY.units...: reads the unit data (the
// categories' files in the window's order), checks it, works every definition out exactly and
// writes the categories' records as one C++ source of constant data: the listed names, the rows
// with their names, the window's table of every category cell by cell, every pair's precise map
// and the departures of the tables from the definitions. Every factor is written as a
// hexadecimal floating literal, which the compiler reads back bit for bit.
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tablegen/departurecheck.h"
#include "tablegen/generated.h"
#include "tablegen/tablebuild.h"
#include "tablegen/unitfile.h"
#include "tablegen/unitmodel.h"

int main(int argc, char** argv) {
  using namespace merovane::gen;
  if (argc < 4) {
    std::cerr << "usage: merovane-tablegen OUTPUT.cpp CONSTANTS.units CATEGORY.units...\n";
    return 2;
  }
  try {
    const ConstantsFile constants = readconstants(argv[2]);
    std::vector<CategoryFile> files;
    for (int arg = 3; arg < argc; ++arg) files.push_back(readcategory(argv[arg]));
    const UnitModel model = buildmodel(constants, files);
    std::vector<Table> tables;
    std::vector<Departure> found;
    for (const UnitCategory& category : model.categories) {
      if (!category.file->hastable()) {
        tables.emplace_back();
        continue;
      }
      tables.push_back(buildtable(category));
      for (Departure& departure : departures(category, tables.back()))
        found.push_back(std::move(departure));
    }
    const std::string source = generatedsource(model, tables, found);
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << source;
    file.close();
    if (!file) throw std::runtime_error(std::string("cannot write ") + argv[1]);
  } catch (const std::exception& error) {
    std::cerr << "merovane-tablegen: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
