#include "data/builtin_tables.h"

#include <cstddef>

namespace {

// Joins a table's lines into the text its editor holds: every line followed by a line break.
template <std::size_t N>
QString JoinedLines(const char16_t* const (&lines)[N]) {
    QString text;
    for (const char16_t* line : lines) {
        text += QString::fromUtf16(line);
        text += QLatin1Char('\n');
    }
    return text;
}

// Grouped by family: the Pelvanor frames, then the Vantrel and Halvorn sections, then the
// Meridan, door and thermal-break sections, then the Quantum sections. A few lines were entered
// twice over the years; they carry the same weight, so the lookup (which takes the last
// matching line) gives the same result either way. The catalogue's "F" codes need no weight:
// they are never offered for selection.
const char16_t* const kWeightsLines[] = {
    u"Profile,Area",
    u"PRF010,0.698112",
    u"PRF011,0.7214",
    u"PRF012,0.7536",
    u"PRF014,0.8127",
    u"PRF020,0.71928",
    u"PRF021,0.7466",
    u"PRF022,0.7891",
    u"PRF030,0.6842",
    u"PRF031,0.7318",
    u"PRF040,0.652",
    u"PRF041,0.6874",
    u"PRF042,0.7102",
    u"PRF050,0.6655",
    u"PRF110,0.918",
    u"PRF110A,0.9426",
    u"PRF111,0.9",
    u"PRF112,0.9871",
    u"PRF113,1.0235",
    u"PRF114,1.0612",
    u"PRF120,1.1637",
    u"PRF121,1.0894",
    u"PRF122,1.2012",
    u"PRF123,1.1355",
    u"PRF130,0.93096",
    u"PRF131,0.9678",
    u"PRF132,1.0046",
    u"PRF140,0.8815",
    u"PRF210,0.8124",
    u"PRF211,0.8436",
    u"PRF212,0.8752",
    u"PRF220,0.7648",
    u"PRF221,0.7902",
    u"PRF230,0.7385",
    u"PRF240,0.6938",
    u"PRF241,0.7256",
    u"PRF230,0.7385",
    u"PRF310,1.3125",
    u"PRF311,1.5",
    u"PRF312,1.3482",
    u"PRF313,1.25",
    u"PRF314,1.3867",
    u"PRF315,1.4124",
    u"PRF316,1.4453",
    u"PRF317,1.4718",
    u"PRF318,1.4936",
    u"PRF319,1.2764",
    u"PRF320,0.719",
    u"PRF321,1.0476",
    u"PRF322,1.0832",
    u"PRF323,1.1164",
    u"PRF324,1.1528",
    u"PRF325,1.1893",
    u"PRF326,1.2247",
    u"PRF327,0.9952",
    u"PRF328,1.2618",
    u"PRF320,0.719",
    u"PRF330,0.9624",
    u"PRF331,1.0118",
    u"PRF332,1.0587",
    u"PRF333,1.1042",
    u"PRF334,1.1476",
    u"PRF335,1.1935",
    u"PRF340,0.8544",
    u"PRF341,0.9087",
    u"PRF342,0.9512",
    u"PRF410,1.586",
    u"PRF411,1.6137",
    u"PRF412,1.75",
    u"PRF413,1.6692",
    u"PRF414,1.7145",
    u"PRF420,1.2846",
    u"PRF421,1.3208",
    u"PRF422,1.3574",
    u"PRF423,1.3931",
    u"PRF421,1.3208",
    u"PRF430,1.1824",
    u"PRF431,1.2273",
    u"PRF432,1.2716",
    u"PRF440,0.9738",
    u"PRF441,1.0264",
    u"PRF510,1.842",
    u"PRF511,1.8876",
    u"PRF512,1.9314",
    u"PRF513,1.9858",
    u"PRF520,1.4582",
    u"PRF520B,1.4976",
    u"PRF521,1.5361",
    u"PRF530,1.3247",
    u"PRF531,1.3695",
    u"PRF540,1.0816",
    u"PRF541,1.1243",
    u"PRF531,1.3695",
    u"",
    u"VTR110,0.7745",
    u"VTR111,0.8062",
    u"VTR310,1.2874",
    u"VTR311,1.3316",
    u"VTR312,1.3752",
    u"VTR320,1.0368",
    u"VTR321,1.0815",
    u"VTR320,1.0368",
    u"VTR410,1.6215",
    u"VTR411,1.6648",
    u"VTR420,1.3127",
    u"VTR421,1.3564",
    u"HCS110,2.253",
    u"HCS110A,2.1876",
    u"HCS111,2.0412",
    u"HCS112,2.0935",
    u"HCS113,2.1468",
    u"HCS120,1.7652",
    u"HCS121,1.8124",
    u"HCS122,1.8593",
    u"HCS121,1.8124",
    u"HCS130,1.6836",
    u"HCS131,1.7289",
    u"",
    u"SLM110,0.633",
    u"SLM111,0.6587",
    u"SLM112,0.6843",
    u"SLM113,0.7095",
    u"SLM120,0.6412",
    u"SLM121,0.6674",
    u"SLM122,0.6938",
    u"SLM130,0.6521",
    u"DRS110,1.694",
    u"DRS111,1.7386",
    u"DRS112,1.7824",
    u"DRS120,1.5372",
    u"DRS121,1.5815",
    u"DRS130,1.4467",
    u"DRS131,1.4908",
    u"TBX110,1.128",
    u"TBX111,1.1693",
    u"TBX120,0.9846",
    u"TBX121,1.0273",
    u"TBX130,0.9415",
    u"",
    u"QMT55,1.0425",
    u"QMT56,0.8867",
    u"QMT57,0.8294",
    u"QMT58,0.9152",
};

// Fourteen systems of five lines each. Codes ending in "F" stay listed but are never offered;
// the fifth line (cills, couplers and beads, or a placeholder) is kept only to complete the block.
// The header line is the key that ties a selected system to its block, so headers are unique.
const char16_t* const kSystemCatalogueLines[] = {
    u"Pelvanor 47,0.01",
    u"PRF010,PRF011,PRF012,PRF013F,PRF014",
    u"PRF020,PRF021,PRF022",
    u"PRF020,PRF030,PRF031",
    u"PRF040/PRF041/PRF042",
    u"Pelvanor 55,0.00",
    u"PRF110,PRF110A,PRF111,PRF112,PRF113,PRF114",
    u"PRF120,PRF121,PRF122,PRF123",
    u"PRF130,PRF131,PRF132",
    u"PRF140",
    u"Pelvanor 62 (Slim),0.12",
    u"PRF210,PRF211,PRF212",
    u"PRF220,PRF221",
    u"PRF230",
    u"PRF240,PRF241",
    u"Pelvanor 75,0.45",
    u"PRF310,PRF310F,PRF311,PRF311F,PRF312,PRF313,PRF314,PRF315,PRF316,PRF317,PRF318,PRF319",
    u"PRF320,PRF321,PRF322,PRF323,PRF324,PRF325,PRF326,PRF327,PRF328",
    u"PRF330,PRF331,PRF332,PRF333,PRF334,PRF335",
    u"PRF340/PRF341,PRF342",
    u"Pelvanor 75 Vantrel,0.45",
    u"VTR310,VTR311,VTR312",
    u"VTR320,VTR321",
    u"PRF330,PRF331",
    u"VTR340",
    u"Pelvanor 90,0.12",
    u"PRF410,PRF411,PRF412,PRF413,PRF413F,PRF414",
    u"PRF420,PRF421,PRF422,PRF423",
    u"PRF430,PRF431,PRF432",
    u"PRF440/PRF441",
    u"Pelvanor 90 Vantrel,0.12",
    u"VTR410,VTR411",
    u"VTR420,VTR421",
    u"PRF430,PRF431",
    u"VTR440",
    u"Pelvanor 110,0.00",
    u"PRF510,PRF511,PRF512,PRF513",
    u"PRF520,PRF520B,PRF521",
    u"PRF530,PRF531",
    u"PRF540,PRF541",
    u"Meridan 50,0.00",
    u"SLM110,SLM111,SLM112,SLM113",
    u"SLM120,SLM121,SLM122",
    u"SLM130",
    u"SLM140",
    u"Meridan 50 Vantrel,0.01",
    u"VTR110,VTR111",
    u"SLM120,SLM121",
    u"SLM130",
    u"VTR140",
    u"Halvorn 120,0.45",
    u"HCS110,HCS110A,HCS111,HCS112,HCS112F,HCS113",
    u"HCS120,HCS121,HCS122",
    u"HCS130,HCS131,HCS131F",
    u"HCS140/HCS141/HCS142",
    u"Halvorn Door",
    u"DRS110,DRS111,DRS112",
    u"DRS120,DRS121",
    u"DRS130,DRS131",
    u"XXX",
    u"Thermabreak 65,0.12",
    u"TBX110,TBX111,TBX111F",
    u"TBX120,TBX121",
    u"TBX130",
    u"TBX140,TBX141",
    u"Quantum 55,0.00",
    u"QMT55",
    u"QMT56",
    u"QMT57",
    u"XX",
    u"",
};

// The ratings columns 1 to 3 (Domestic) and 4 to 8 (Commercial), rows picked by position. The
// label of row 17 has a no-break space between "CO2" and "eq.". Row 18 repeats the summary
// rating so that it closes the grid.
const char16_t* const kBreRatingsLines[] = {
    u"Building Weight,Domestic,Domestic,Domestic,"
    u"Commercial,Commercial,Commercial,Commercial,Commercial",
    u"Profile Weight,< 0.88,< 1.08,> 1.08,<0.9,<1.25,<1.5,<1.75,>1.75",
    u"Element Number,1213100007,1213100004,1213100003,"
    u"1231500011,1231500007,1231500008,1231500009,1231500004",
    u"Summary Rating,A,A,B,A+,A,A,B,C",
    u"Climate Change,B,C,C,A,A,B,B,C",
    u"Water Extraction,A+,A+,A,A+,A+,A+,A,A",
    u"Mineral Resource Extraction,B,C,C,B,C,E,E,E",
    u"Stratospheric Ozone Depletion,A+,A+,A+,A+,A+,A+,A+,A+",
    u"Human Toxicity,D,E,E,B,C,D,E,E",
    u"Ecotoxicity to Freshwater,A+,A+,A+,A+,A+,A+,A+,A+",
    u"Nuclear Waste (higher level),A+,A,A,A,A,B,C,D",
    u"Ecotoxicity to Land,A+,A+,A+,A+,A+,A+,A,A",
    u"Waste Disposal,A+,A+,A+,A+,A+,A+,A+,A+",
    u"Fossil Fuel Depletion,A+,A+,A+,A+,A+,A+,A+,A+",
    u"Eutrophication,A+,A+,A+,A+,A+,A+,A+,A+",
    u"Photochemical Ozone Creation,A+,A+,A+,A+,A+,A+,A+,A+",
    u"Acidification,A+,A+,A+,A+,A+,A+,A+,A",
    u"Kg of CO2\u00A0eq. (60 years),240,250,270,100,110,120,130,130",
    u"Summary Rating,A,A,B,A+,A,A,B,C",
};

// Two products of a name line and four code lines each. Each group is followed by two empty
// lines: one to separate it from the next group and one more, so that the list keeps the same
// shape after its last group as between groups (5 + 2 + 5 + 2 = 14 lines). Only the text
// "QMT55" matters to the program: it makes the Vantrel systems available.
// clang-format off
const char16_t* const kProductListLines[] = {
    u"Tarvex Quantum 55",
    u"QMT55",
    u"QMT56",
    u"QMT57",
    u"QMT58",
    u"",
    u"",
    u"Tarvex Vantrel",
    u"VTR110",
    u"VTR310",
    u"VTR410",
    u"VTR320",
    u"",
    u"",
};
// clang-format on

}  // namespace

QString BuiltInWeightsTable() {
    return JoinedLines(kWeightsLines);
}

QString BuiltInSystemCatalogue() {
    return JoinedLines(kSystemCatalogueLines);
}

QString BuiltInBreRatingsTable() {
    return JoinedLines(kBreRatingsLines);
}

QString BuiltInProductList() {
    return JoinedLines(kProductListLines);
}
