#include "ui/projektbaummodel.h"

#include "model/baumbearbeitung.h"
#include "model/whbasedata.h"

#include <QHash>

namespace {
// Navigator icons, 16 x 16, compiled into the program. The marked variants lie on a yellow
// field with a dashed frame: the record is held by the clipboard.
// clang-format off
const char* const projekt_xpm[] = {
    "16 16 42 1",
    "  c None",
    ". c #1B3E6B",
    "# c #1F477B",
    "a c #23518A",
    "b c #25538C",
    "c c #26558E",
    "d c #285285",
    "e c #285790",
    "f c #295892",
    "g c #2B5A94",
    "h c #2D5C96",
    "i c #2E5E98",
    "j c #2F68AE",
    "k c #30609A",
    "l c #31629C",
    "m c #33649E",
    "n c #3466A0",
    "o c #356FB5",
    "p c #3873B9",
    "q c #3B77BD",
    "r c #3E7AC1",
    "s c #417EC5",
    "t c #4482C9",
    "u c #4A89D0",
    "v c #6A97CD",
    "w c #92B0D4",
    "x c #93B1D6",
    "y c #95B3D8",
    "z c #96B5DA",
    "A c #98B7DC",
    "B c #9AB9DE",
    "C c #9BBBE0",
    "D c #9DBDE2",
    "E c #9FBFE4",
    "F c #A0C1E6",
    "G c #B2CAE6",
    "H c #C4D5E9",
    "I c #CADCF0",
    "J c #F5F8FB",
    "K c #F6F9FC",
    "L c #FAFBFD",
    "M c #FAFCFE",
    "                ",
    "  ............  ",
    " .dnnnnnnnnnnd. ",
    " .muFFFFFFFFum. ",
    " .lEIEEMEEEIEl. ",
    " .kDDttKtttDDk. ",
    " .iCCssKsssCCi. ",
    " .hBBrrGBBrBBh. ",
    " .gAAqqvAAqAAg. ",
    " .fzzppzpppzzf. ",
    " .eyyooJoooyye. ",
    " .cxHxxLxxxHxc. ",
    " .bjwwwwwwwwjb. ",
    " .#aaaaaaaaaa#. ",
    "  ............  ",
    "                ",
};

const char* const projekt_markiert_xpm[] = {
    "16 16 45 1",
    "  c None",
    ". c #1F477B",
    "# c #23518A",
    "a c #25538C",
    "b c #26558E",
    "c c #285285",
    "d c #285790",
    "e c #295892",
    "f c #2B3040",
    "g c #2B5A94",
    "h c #2D5C96",
    "i c #2E5E98",
    "j c #2F68AE",
    "k c #30609A",
    "l c #31629C",
    "m c #33649E",
    "n c #3466A0",
    "o c #356FB5",
    "p c #3873B9",
    "q c #3B77BD",
    "r c #3E7AC1",
    "s c #417EC5",
    "t c #4482C9",
    "u c #4A89D0",
    "v c #6A97CD",
    "w c #8D978A",
    "x c #92B0D4",
    "y c #93B1D6",
    "z c #95B3D8",
    "A c #96B5DA",
    "B c #98B7DC",
    "C c #9AB9DE",
    "D c #9BBBE0",
    "E c #9DBDE2",
    "F c #9FBFE4",
    "G c #A0C1E6",
    "H c #B2CAE6",
    "I c #C4D5E9",
    "J c #C6C399",
    "K c #CADCF0",
    "L c #F5F8FB",
    "M c #F6F9FC",
    "N c #FAFBFD",
    "O c #FAFCFE",
    "P c #FFD54A",
    "ffPPffPPffPPffPP",
    "fJwwwwwwwwwwwwJf",
    "Pwcnnnnnnnnnncwf",
    "PwmuGGGGGGGGumwP",
    "fwlFKFFOFFFKFlwP",
    "fwkEEttMtttEEkwf",
    "PwiDDssMsssDDiwf",
    "PwhCCrrHCCrCChwP",
    "fwgBBqqvBBqBBgwP",
    "fweAAppApppAAewf",
    "PwdzzooLooozzdwf",
    "PwbyIyyNyyyIybwP",
    "fwajxxxxxxxxjawP",
    "fw.##########.wf",
    "PJwwwwwwwwwwwwJf",
    "PffPPffPPffPPffP",
};

const char* const gebaeude_xpm[] = {
    "16 16 37 1",
    "  c None",
    ". c #2B3140",
    "# c #3F3738",
    "a c #523E31",
    "b c #5A282E",
    "c c #606166",
    "d c #7A1A17",
    "e c #7A4A22",
    "f c #7FB4EA",
    "g c #8A8175",
    "h c #8C8479",
    "i c #8E867D",
    "j c #8F8980",
    "k c #902A26",
    "l c #918C84",
    "m c #938E88",
    "n c #94918C",
    "o c #952D28",
    "p c #A1322D",
    "q c #A4312C",
    "r c #B2332E",
    "s c #B28E66",
    "t c #B3906A",
    "u c #B5936E",
    "v c #B79672",
    "w c #B89875",
    "x c #D3423C",
    "y c #D8BF9F",
    "z c #DA4E46",
    "A c #E15A51",
    "B c #E16157",
    "C c #EAD2AA",
    "D c #EDD7B2",
    "E c #F0DCB9",
    "F c #F3E1C1",
    "G c #F7E6C9",
    "H c #FAEBD0",
    "                ",
    "       dd       ",
    "      dkkd      ",
    "     doBBod     ",
    "    dpAAAApd    ",
    "   dqzzzzzzqd   ",
    "  drxxxxxxxxrd  ",
    " dbcnnnnnnnncbd ",
    "  .mHHHHHHHHm.  ",
    "  .lGGywwyffl.  ",
    "  .jFFveevffj.  ",
    "  .iEEueeuEEi.  ",
    "  .hDDteetDDh.  ",
    "  .gCCseesCCg.  ",
    "  ....#aa#....  ",
    "                ",
};

const char* const gebaeude_markiert_xpm[] = {
    "16 16 45 1",
    "  c None",
    ". c #2B3040",
    "# c #2B3140",
    "a c #3F3738",
    "b c #523E31",
    "c c #5A282E",
    "d c #606166",
    "e c #7A4A22",
    "f c #7FB4EA",
    "g c #8A8175",
    "h c #8C8479",
    "i c #8E867D",
    "j c #8F8980",
    "k c #902A26",
    "l c #918C84",
    "m c #934232",
    "n c #938E88",
    "o c #94918C",
    "p c #952D28",
    "q c #959074",
    "r c #A1322D",
    "s c #A4312C",
    "t c #A45D44",
    "u c #AC6A4D",
    "v c #B2332E",
    "w c #B28E66",
    "x c #B3906A",
    "y c #B5936E",
    "z c #B79672",
    "A c #B89875",
    "B c #D3423C",
    "C c #D8BF9F",
    "D c #DA4E46",
    "E c #E15A51",
    "F c #E16157",
    "G c #EAD2AA",
    "H c #EDD7B2",
    "I c #F0DCB9",
    "J c #F3E1C1",
    "K c #F7C947",
    "L c #F7E39F",
    "M c #F7E6C9",
    "N c #FAEBD0",
    "O c #FFD54A",
    "P c #FFF0A8",
    "..OO..OO..OO..OO",
    ".PPPPPPuuPPPPPP.",
    "OPPPPPukkuPPPPP.",
    "OPPPPupFFpuPPPPO",
    ".PPLtrEEEErtLPPO",
    ".PLmsDDDDDDsmLP.",
    "OLmvBBBBBBBBvmL.",
    "KmcdoooooooodcmK",
    ".PqnNNNNNNNNnqPO",
    ".PqlMMCAACfflqP.",
    "OPqjJJzeezffjqP.",
    "OPqiIIyeeyIIiqPO",
    ".PqhHHxeexHHhqPO",
    ".PqgGGweewGGgqP.",
    "OPq###abba###qP.",
    "O..OO..OO..OO..O",
};

const char* const etage_xpm[] = {
    "16 16 12 1",
    "  c None",
    ". c #2B3140",
    "# c #4A505E",
    "a c #5C616D",
    "b c #69707D",
    "c c #7B818C",
    "d c #8E929B",
    "e c #8F7941",
    "f c #938559",
    "g c #CCD0D8",
    "h c #F4C041",
    "i c #FBD972",
    "                ",
    "  ............  ",
    " .adddddddddda. ",
    " .cggggggggggc. ",
    " .#bbbbbbbbbb#. ",
    "  ............  ",
    " .............. ",
    " .fiiiiiiiiiif. ",
    " .ehhhhhhhhhhe. ",
    " .............. ",
    "  ............  ",
    " .adddddddddda. ",
    " .cggggggggggc. ",
    " .#bbbbbbbbbb#. ",
    "  ............  ",
    "                ",
};

const char* const etage_markiert_xpm[] = {
    "16 16 16 1",
    "  c None",
    ". c #2B3040",
    "# c #2B3140",
    "a c #4A505E",
    "b c #5C616D",
    "c c #69707D",
    "d c #7B818C",
    "e c #8E929B",
    "f c #8F7941",
    "g c #938559",
    "h c #959074",
    "i c #CAC08E",
    "j c #CCD0D8",
    "k c #F4C041",
    "l c #FBD972",
    "m c #FFD54A",
    "..mm..mm..mm..mm",
    ".ihhhhhhhhhhhhi.",
    "mhbeeeeeeeeeebh.",
    "mhdjjjjjjjjjjdhm",
    ".haccccccccccahm",
    ".ihhhhhhhhhhhhi.",
    "mh############h.",
    "mhgllllllllllghm",
    ".hfkkkkkkkkkkfhm",
    ".h############h.",
    "mihhhhhhhhhhhhi.",
    "mhbeeeeeeeeeebhm",
    ".hdjjjjjjjjjjdhm",
    ".haccccccccccah.",
    "mihhhhhhhhhhhhi.",
    "m..mm..mm..mm..m",
};

const char* const raum_xpm[] = {
    "16 16 35 1",
    "  c None",
    ". c #2B3140",
    "# c #6D4C32",
    "a c #905C2C",
    "b c #95602F",
    "c c #996332",
    "d c #9C6533",
    "e c #9E6734",
    "f c #A26A38",
    "g c #A26B37",
    "h c #A56C39",
    "i c #A76E3A",
    "j c #A76F3A",
    "k c #A96F3C",
    "l c #AB713D",
    "m c #AC723D",
    "n c #B07440",
    "o c #B07540",
    "p c #B0763F",
    "q c #B27741",
    "r c #B27E44",
    "s c #B57942",
    "t c #B57A42",
    "u c #B77B44",
    "v c #B97D45",
    "w c #B97E45",
    "x c #BA8449",
    "y c #BE8147",
    "z c #BE8247",
    "A c #C2854A",
    "B c #C69655",
    "C c #C7894D",
    "D c #C99857",
    "E c #E0BA6D",
    "F c #FFE58A",
    "                ",
    "   ..........   ",
    "   .CCCCCCCC.   ",
    "   .AyvvvvyA.   ",
    "   .zunnnnuz.   ",
    "   .wsnnnnsw.   ",
    "   .tqnnnnqt.   ",
    "   .ppooooDx.   ",
    "   .mmmmmmFE.   ",
    "   .jlnnnnBr.   ",
    "   .gknnnnkg.   ",
    "   .einnnnie.   ",
    "   .chnnnnhc.   ",
    "   .bdffffdb.   ",
    "   .aaaaaaaa.   ",
    "   .########.   ",
};

const char* const raum_markiert_xpm[] = {
    "16 16 39 1",
    "  c None",
    ". c #2B3040",
    "# c #2B3140",
    "a c #905C2C",
    "b c #926E38",
    "c c #95602F",
    "d c #958345",
    "e c #996332",
    "f c #9C6533",
    "g c #9E6734",
    "h c #A26A38",
    "i c #A26B37",
    "j c #A56C39",
    "k c #A76E3A",
    "l c #A76F3A",
    "m c #A96F3C",
    "n c #AB713D",
    "o c #AC723D",
    "p c #B07440",
    "q c #B07540",
    "r c #B0763F",
    "s c #B27741",
    "t c #B27E44",
    "u c #B57942",
    "v c #B57A42",
    "w c #B77B44",
    "x c #B97D45",
    "y c #B97E45",
    "z c #BA8449",
    "A c #BE8147",
    "B c #BE8247",
    "C c #C2854A",
    "D c #C69655",
    "E c #C7894D",
    "F c #C99857",
    "G c #E0BA6D",
    "H c #FFD54A",
    "I c #FFE58A",
    "J c #FFF0A8",
    "..HH..HH..HH..HH",
    ".JJ##########JJ.",
    "HJJ#EEEEEEEE#JJ.",
    "HJJ#CAxxxxAC#JJH",
    ".JJ#BwppppwB#JJH",
    ".JJ#yuppppuy#JJ.",
    "HJJ#vsppppsv#JJ.",
    "HJJ#rrqqqqFz#JJH",
    ".JJ#ooooooIG#JJH",
    ".JJ#lnppppDt#JJ.",
    "HJJ#imppppmi#JJ.",
    "HJJ#gkppppkg#JJH",
    ".JJ#ejppppje#JJH",
    ".JJ#cfhhhhfc#JJ.",
    "HJJ#aaaaaaaa#JJ.",
    "H..db..bb..bd..H",
};

const char* const sonstig_xpm[] = {
    "16 16 75 1",
    "  c None",
    ". c #8A5A00",
    "# c #8C5C02",
    "a c #906105",
    "b c #916106",
    "c c #946304",
    "d c #966507",
    "e c #976606",
    "f c #97690E",
    "g c #986809",
    "h c #996B0F",
    "i c #996B11",
    "j c #9A6B0F",
    "k c #9C6B0B",
    "l c #9D6C09",
    "m c #9E6F10",
    "n c #A07317",
    "o c #A07318",
    "p c #A2700B",
    "q c #A57513",
    "r c #A57615",
    "s c #A57A1F",
    "t c #A67718",
    "u c #A6781A",
    "v c #AB7811",
    "w c #B28018",
    "x c #B48A2B",
    "y c #B68D32",
    "z c #B8871D",
    "A c #B98A24",
    "B c #BA8E2B",
    "C c #BC8C23",
    "D c #BC9132",
    "E c #BD8817",
    "F c #BF8D21",
    "G c #C28E1E",
    "H c #C3952D",
    "I c #C39939",
    "J c #C49E43",
    "K c #C7982E",
    "L c #C79930",
    "M c #C7A042",
    "N c #C89C35",
    "O c #C89D37",
    "P c #CF9D2B",
    "Q c #D29D26",
    "R c #D2AC4D",
    "S c #D4A638",
    "T c #D6AC43",
    "U c #D9B555",
    "V c #DAAA38",
    "W c #DCAE3F",
    "X c #DDB247",
    "Y c #DEA628",
    "Z c #DEB54E",
    "0 c #E0AD35",
    "1 c #E6C15C",
    "2 c #E8C86A",
    "3 c #EDBA3D",
    "4 c #EDC964",
    "5 c #EFC24C",
    "6 c #F1B831",
    "7 c #F2BB38",
    "8 c #F2C95B",
    "9 c #F4C041",
    "@ c #F4D16B",
    "$ c #F5C54B",
    "% c #F6C851",
    "& c #F7CA55",
    "* c #F8CF5E",
    "= c #F9D162",
    "- c #FAD468",
    "; c #FBD972",
    ": c #FDDE7B",
    "> c #FEE182",
    "                ",
    "                ",
    "                ",
    "   M1-*&$0G     ",
    "  J:;-*&$97E    ",
    "  iU;-*&$9Qe    ",
    "  sf.utrq.dp    ",
    " .y:4ZNLVPvc.   ",
    "  #nIZXWCo2>2o  ",
    "  JRxubaj@DxI@h ",
    "  iU;-*WBTO=8=B ",
    "  sf.utmASK%5%A ",
    " .y:4ZNHk3zwF3g ",
    "  .nIZXWClY6Yl  ",
    "    .........   ",
    "                ",
};

const char* const sonstig_markiert_xpm[] = {
    "16 16 97 2",
    "   c None",
    ".. c #2B3040",
    ".# c #8A5A00",
    ".a c #906105",
    ".b c #916106",
    ".c c #91630A",
    ".d c #946304",
    ".e c #966507",
    ".f c #976606",
    ".g c #97690E",
    ".h c #996B11",
    ".i c #9A6B0F",
    ".j c #9A6E16",
    ".k c #9C6B0B",
    ".l c #9C711A",
    ".m c #9D6C09",
    ".n c #9E6F10",
    ".o c #9E6F11",
    ".p c #9F7217",
    ".q c #A07317",
    ".r c #A07318",
    ".s c #A07620",
    ".t c #A17721",
    ".u c #A57513",
    ".v c #A57615",
    ".w c #A67718",
    ".x c #A6781A",
    ".y c #A7802A",
    ".z c #AA7B19",
    ".A c #AB7811",
    ".B c #AB842F",
    ".C c #AD852B",
    ".D c #AF8934",
    ".E c #B28018",
    ".F c #B48A2B",
    ".G c #B68D32",
    ".H c #B6923F",
    ".I c #B8871D",
    ".J c #B98A24",
    ".K c #BA8E2B",
    ".L c #BC8C23",
    ".M c #BC9132",
    ".N c #BD8817",
    ".O c #BF8D21",
    ".P c #C3952D",
    ".Q c #C39939",
    ".R c #C49E43",
    ".S c #C4A554",
    ".T c #C59426",
    ".U c #C7982E",
    ".V c #C79930",
    ".W c #C89C35",
    ".X c #C89D37",
    ".Y c #CBA548",
    ".Z c #CCAE5E",
    ".0 c #CF9D2B",
    ".1 c #D29D26",
    ".2 c #D2AC4D",
    ".3 c #D3B869",
    ".4 c #D4A638",
    ".5 c #D6AC43",
    ".6 c #D9B555",
    ".7 c #DAAA38",
    ".8 c #DAC174",
    ".9 c #DCAE3F",
    ".@ c #DCC06F",
    ".$ c #DDB247",
    ".% c #DDC375",
    ".& c #DEA628",
    ".* c #DEB54E",
    ".= c #E0AD35",
    ".- c #E2B638",
    ".; c #E2CA7E",
    ".: c #E6C15C",
    ".> c #E8C86A",
    "., c #EDBA3D",
    ".< c #EDC964",
    ".? c #EFC24C",
    "./ c #F0DD93",
    ".+ c #F1B831",
    ".~ c #F2BB38",
    ".^ c #F2C95B",
    ".| c #F4C041",
    ".[ c #F4D16B",
    ".] c #F5C54B",
    ".{ c #F6C851",
    ".} c #F7CA55",
    ".( c #F8CD45",
    ".) c #F8CF5E",
    "._ c #F8E79E",
    ".! c #F9D162",
    "#. c #FAD468",
    "## c #FBD972",
    "#a c #FDDE7B",
    "#b c #FEE182",
    "#c c #FFD54A",
    "#d c #FFF0A8",
    "....#c#c....#c#c....#c#c....#c#c",
    "..#d#d#d#d#d#d#d#d#d#d#d#d#d#d..",
    "#c#d#d#d./.;.Z.Z.;./#d#d#d#d#d..",
    "#c#d.%.Y.:#..).}.].=.T.@#d#d#d#c",
    "...8.R#a###..).}.].|.~.N.8#d#d#c",
    "...8.h.6###..).}.].|.1.f.8#d#d..",
    "#c._.C.g.#.x.w.v.u.#.e.z._#d#d..",
    "#c.S.G#a.<.*.W.V.7.0.A.d.l.;#d#c",
    "..._.j.q.Q.*.$.9.L.r.>#b.>.r.3#c",
    "...8.R.2.F.x.b.a.i.[.M.F.Q.[.p..",
    "#c.8.h.6###..).9.K.5.X.!.^.!.K..",
    "#c._.C.g.#.x.w.n.J.4.U.{.?.{.J.-",
    "...S.G#a.<.*.W.P.k.,.I.E.O.,.o.(",
    "..._.s.q.Q.*.$.9.L.m.&.+.&.m.3..",
    "#c#d#d.3.H.y.c.c.y.B.t.y.D.;#d..",
    "#c....#c#c....#c#c....#c#c....#c",
};

const char* const material_xpm[] = {
    "16 16 52 1",
    "  c None",
    ". c #6B4420",
    "# c #6F4722",
    "a c #714923",
    "b c #734923",
    "c c #734C27",
    "d c #764C24",
    "e c #774D26",
    "f c #7D5129",
    "g c #7E5128",
    "h c #7E542C",
    "i c #825429",
    "j c #855C34",
    "k c #875E36",
    "l c #885A2E",
    "m c #8A5A2C",
    "n c #8A633A",
    "o c #8D5C2E",
    "p c #8E5F31",
    "q c #915F2F",
    "r c #956230",
    "s c #996432",
    "t c #9A6837",
    "u c #9A7248",
    "v c #A06C3A",
    "w c #A07F5A",
    "x c #A17A4E",
    "y c #A46C36",
    "z c #A6703D",
    "A c #A78156",
    "B c #A86F38",
    "C c #AC7540",
    "D c #B27942",
    "E c #B89262",
    "F c #BC9768",
    "G c #C09969",
    "H c #C3874B",
    "I c #C98B4E",
    "J c #D0A976",
    "K c #D8B07D",
    "L c #DFB883",
    "M c #E7C08A",
    "N c #E9C592",
    "O c #EAC795",
    "P c #EBCA99",
    "Q c #EDCFA0",
    "R c #EED3A8",
    "S c #F0D8B0",
    "T c #F3E0BB",
    "U c #F4E2BE",
    "V c #F5E4C2",
    "W c #F6E7C6",
    "                ",
    "                ",
    "       ..       ",
    "    ..nGGn..    ",
    "  .cAWSOMMKxc.  ",
    " .xLMPSWTQMMLx. ",
    " .pkELMNRUVFji. ",
    " .IHvhuJJuwoyB. ",
    " .IIIIDfdsBBBB. ",
    " .IIIIItmBBBBB. ",
    " .IIIIItmBBBBB. ",
    " .IIIIItmBBBBB. ",
    " .zHIIItmBBByq. ",
    "  ..lCItmBrg..  ",
    "     .aeb#.     ",
    "                ",
};

const char* const material_markiert_xpm[] = {
    "16 16 68 1",
    "  c None",
    ". c #2B3040",
    "# c #6B4420",
    "a c #734923",
    "b c #734C27",
    "c c #744F28",
    "d c #764C24",
    "e c #774D26",
    "f c #775129",
    "g c #7A532B",
    "h c #7D5129",
    "i c #7E5128",
    "j c #7E542C",
    "k c #7E5A31",
    "l c #825429",
    "m c #855C34",
    "n c #875E36",
    "o c #87643A",
    "p c #885A2E",
    "q c #8A5A2C",
    "r c #8A633A",
    "s c #8D5C2E",
    "t c #8E5F31",
    "u c #906F42",
    "v c #915F2F",
    "w c #956230",
    "x c #996432",
    "y c #9A6837",
    "z c #9A7248",
    "A c #A06C3A",
    "B c #A07F5A",
    "C c #A17A4E",
    "D c #A28453",
    "E c #A46C36",
    "F c #A6703D",
    "G c #A78156",
    "H c #A86F38",
    "I c #AC7540",
    "J c #AC8F5B",
    "K c #B27942",
    "L c #B59A64",
    "M c #B89262",
    "N c #BC9768",
    "O c #C09969",
    "P c #C3874B",
    "Q c #C8B075",
    "R c #C98B4E",
    "S c #D0A976",
    "T c #D1A83D",
    "U c #D8B07D",
    "V c #DAC586",
    "W c #DFB883",
    "X c #E3D08E",
    "Y c #E7C08A",
    "Z c #E9C592",
    "0 c #EAC795",
    "1 c #EBCA99",
    "2 c #ECDA97",
    "3 c #EDCFA0",
    "4 c #EED3A8",
    "5 c #F0D8B0",
    "6 c #F3E0BB",
    "7 c #F4E2BE",
    "8 c #F5E4C2",
    "9 c #F6E5A0",
    "@ c #F6E7C6",
    "$ c #FFD54A",
    "% c #FFF0A8",
    "..$$..$$..$$..$$",
    ".%%%%%%%%%%%%%%.",
    "$%%%%%QouQ%%%%%.",
    "$%%2LcrOOrkL9%%$",
    ".VDbG@50YYUCbDX$",
    ".#CWY15@63YYWC#.",
    "$#tnMWYZ478Nml#.",
    "$#RPAjzSSzBsEH#$",
    ".#RRRRKhdxHHHH#$",
    ".#RRRRRyqHHHHH#.",
    "$#RRRRRyqHHHHH#.",
    "$#RRRRRyqHHHHH#$",
    ".#FPRRRyqHHHEv#$",
    ".XJkpIRyqHwikJX.",
    "$%%%VDgeafDV%%%.",
    "$..$$..TT..$$..$",
};

// clang-format on

const char* const* symbolDaten(int typ, bool markiert)
{
    switch (typ) {
    case WHBaseData::TypProjekt:
        return markiert ? projekt_markiert_xpm : projekt_xpm;
    case WHBaseData::TypGebaeude:
        return markiert ? gebaeude_markiert_xpm : gebaeude_xpm;
    case WHBaseData::TypEtage:
        return markiert ? etage_markiert_xpm : etage_xpm;
    case WHBaseData::TypRaum:
        return markiert ? raum_markiert_xpm : raum_xpm;
    case WHBaseData::TypSonstig:
        return markiert ? sonstig_markiert_xpm : sonstig_xpm;
    case WHBaseData::TypMaterial:
        return markiert ? material_markiert_xpm : material_xpm;
    default:
        return nullptr;
    }
}

QPixmap symbol(int typ, bool markiert)
{
    static QHash<int, QPixmap> cache;
    const int schluessel = typ * 2 + (markiert ? 1 : 0);
    auto it = cache.constFind(schluessel);
    if (it != cache.constEnd())
        return *it;
    const char* const* daten = symbolDaten(typ, markiert);
    const QPixmap pixmap = daten ? QPixmap(daten) : QPixmap();
    cache.insert(schluessel, pixmap);
    return pixmap;
}
} // namespace

ProjektBaumModel::ProjektBaumModel(ProjektBaum& baum, QObject* parent)
    : QAbstractItemModel(parent), m_baum(baum)
{
    m_baum.setBeobachter(this);
}

ProjektBaumModel::~ProjektBaumModel()
{
    m_baum.setBeobachter(nullptr);
}

QPixmap ProjektBaumModel::pixmap(int typ)
{
    return symbol(typ, false);
}

QPixmap ProjektBaumModel::markedPixmap(int typ)
{
    return symbol(typ, true);
}

WHListItem* ProjektBaumModel::item(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<WHListItem*>(index.internalPointer()) : nullptr;
}

QModelIndex ProjektBaumModel::indexOf(const WHListItem* item) const
{
    if (!item)
        return QModelIndex();
    return createIndex(item->row(), 0, const_cast<WHListItem*>(item));
}

QModelIndex ProjektBaumModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return QModelIndex();
    if (!parent.isValid())
        return row == 0 && m_baum.root() ? createIndex(0, 0, m_baum.root()) : QModelIndex();
    WHListItem* kind = item(parent)->child(row);
    return kind ? createIndex(row, 0, kind) : QModelIndex();
}

QModelIndex ProjektBaumModel::parent(const QModelIndex& child) const
{
    WHListItem* kind = item(child);
    return kind ? indexOf(kind->parent()) : QModelIndex();
}

int ProjektBaumModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return m_baum.root() ? 1 : 0;
    if (parent.column() != 0)
        return 0;
    return item(parent)->childCount();
}

int ProjektBaumModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant ProjektBaumModel::data(const QModelIndex& index, int role) const
{
    WHListItem* eintrag = item(index);
    if (!eintrag)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return eintrag->text();
    case Qt::DecorationRole:
        return symbol(eintrag->type(), BaumBearbeitung::markiert(m_baum, eintrag));
    default:
        return QVariant();
    }
}

QVariant ProjektBaumModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return tr("Projekt Navigator");
    return QVariant();
}

Qt::ItemFlags ProjektBaumModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ProjektBaumModel::vorEinfuegen(WHListItem* parent, int row)
{
    beginInsertRows(indexOf(parent), row, row);
}

void ProjektBaumModel::nachEinfuegen()
{
    endInsertRows();
}

void ProjektBaumModel::vorEntfernen(WHListItem* parent, int row)
{
    beginRemoveRows(indexOf(parent), row, row);
}

void ProjektBaumModel::nachEntfernen()
{
    endRemoveRows();
}

void ProjektBaumModel::vorZuruecksetzen()
{
    beginResetModel();
}

void ProjektBaumModel::nachZuruecksetzen()
{
    endResetModel();
}

void ProjektBaumModel::geaendert(WHListItem* eintrag)
{
    const QModelIndex index = indexOf(eintrag);
    emit dataChanged(index, index);
    emit sichtbarkeitGeaendert(index, eintrag->isHidden());
}

void ProjektBaumModel::meldeTeilbaum(WHListItem* eintrag)
{
    geaendert(eintrag);
    for (int i = 0; i < eintrag->childCount(); ++i)
        meldeTeilbaum(eintrag->child(i));
}

void ProjektBaumModel::allesGeaendert()
{
    if (m_baum.root())
        meldeTeilbaum(m_baum.root());
}
