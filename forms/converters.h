// The converters the window's handlers call, one a category, and the frame hiding: each works on
// the window's own controls, the grid categories' on those handed over, the others' on the
// installed main window (forms/registry.h). Failures show as the category shows them: not at
// all, or in the toolkit's message box.
#pragma once

#include "core/controls.h"

namespace merovane {

// Shows in txtfad the text of txtfas converted from listareas' unit to listaread's unit. Silent
// on every error, an empty txtfas included.
void convertarea();

// Hides all 24 unit frames of the main window, in the window's own order; the frame of category
// buttons is not touched.
void hideunitframes();

// Shows in txtbitd the text of txtbits converted from listbits' unit to listbitd's unit. Any
// error is shown in a message box; an empty txtbits does nothing.
void convertbits(ListBox& listbits, ListBox& listbitd, TextBox& txtbits, TextBox& txtbitd);

// Shows in txtdensityd the text of txtdensitys converted from listdensitys' unit to
// listdensityd's unit. Silent on every error, an empty source text among them.
void convertdensity();

// Shows in txtenergyfd the text of txtenergyfs converted from listenergys' unit to listenergyd's
// unit. Silent on every error, an empty source text among them.
void convertenergy();

// Shows in txtfforced the text of txtfforces converted from listforces' unit to listforced's
// unit. Silent on every error, an empty source text among them.
void convertforce();

// Shows in txtfld the text in listlengths' unit converted to listlengthd's unit. Silent on
// every error; an empty txtfls does nothing.
void convertlength(ListBox& listlengths, ListBox& listlengthd, TextBox& txtfls, TextBox& txtfld);

// Shows in txtfpowerd the text of txtfpowers converted from listpowers' unit to listpowerd's
// unit. Silent on every error, an empty source text among them.
void convertpower();

// Shows in txtpressfd the text of txtpressfs, read in listpresss' unit, converted to listpressd's
// unit. Silent on every error, an empty txtpressfs included.
void convertpressure();

// Shows in txtspeedd the text of txtspeeds, read in listspeeds' unit, converted to listspeedd's
// unit. Silent on every error, an empty txtspeeds included.
void convertspeed();

// Shows in txtftempd the reading of txtftemps converted from listtemps' scale to listtempd's
// scale. Silent on every error, an empty txtftemps included.
void converttemp();

// Shows in txtvolumed the text of txtvolumes, read in listvolumes' unit, converted to
// listvolumed's unit. Silent on every error, an empty txtvolumes included.
void convertvolume();

// Shows in txtweightd the text in listweights' unit converted to listweightd's unit. Any error
// is shown in a message box; an empty txtweights does nothing.
void convertweight(ListBox& listweights, ListBox& listweightd, TextBox& txtweights,
                   TextBox& txtweightd);

}  // namespace merovane
