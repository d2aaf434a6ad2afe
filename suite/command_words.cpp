#include "suite/command_words.h"

#include "platform/core/cp874.h"

const std::array<std::string_view, kCommandWordCount> CommandWords = {
    "ออก"_cp874,       // exit
    "แสดง"_cp874,      // show
    "ช่วยเหลือ"_cp874,  // help
    "ข้อมูล"_cp874,     // data
    "เพิ่ม"_cp874,      // add
    "แก้ไข"_cp874,      // edit
    "ลบ"_cp874,        // delete
    "",
    "ค้นหา"_cp874,      // search
    "พิมพ์"_cp874,      // print
    "ตกลง"_cp874,      // OK
    "พลิก"_cp874,      // turn over
    "",
    "",
    "",
};
