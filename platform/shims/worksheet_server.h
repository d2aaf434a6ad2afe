// The worksheet server: the automation objects through which a program reads workbook files,
// registered under "excel.application" (automation.h).  Each object answers exactly these members:
//
//   application  Workbooks            property: the workbooks collection
//                Quit                 method: closes every workbook; the application then answers
//                                     nothing more (RPC_E_DISCONNECTED)
//   workbooks    Open(Filename)       method: reads the file (workbook_file.h) and answers its
//                                     workbook; a file that cannot be read raises EOleException
//                                     "Cannot open the workbook "<file>": <why>"
//   workbook     ActiveSheet          property: the sheet the file shows first
//                Close([SaveChanges]) method: forgets the workbook; its objects then answer nothing
//                                     more.  Nothing can change through this server, so there is
//                                     never anything to save and SaveChanges only has to be a
//                                     Boolean.
//   sheet        UsedRange            property: the range of the smallest rectangle holding every
//                                     value ("$A$1" when there is none)
//                Range(Cell1)         property: the range of an address ("B3", "$A$1:$C$2");
//                                     EOleException for anything else
//   range        Address              property: its absolute address, "$B$3" for one cell
//                Value                property: a two-dimensional array [1..rows, 1..columns], also
//                                     for one cell, of Empty, String, Double, Date, Boolean and
//                                     Error values (worksheet_cells.h); EOleException for a range
//                                     of more than kMaxRangeCells cells
//
// Reading the used range's Address tells its size before any value is read.
#pragma once

#include <memory>

#include "platform/shims/automation.h"

std::shared_ptr<IDispatch> CreateWorksheetApplication();
