# Converts one UTF-8 help text to the GBK file with CR LF line ends that the program reads.
# cmake -DIN=<utf-8 file> -DOUT=<gbk file> -DICONV=<iconv program> -P ToGbk.cmake
file(READ "${IN}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUT}.utf8" "${text}")
execute_process(COMMAND "${ICONV}" -f UTF-8 -t GBK "${OUT}.utf8" OUTPUT_FILE "${OUT}" RESULT_VARIABLE rc
                ERROR_VARIABLE err)
file(REMOVE "${OUT}.utf8")
if(NOT rc EQUAL 0)
    file(REMOVE "${OUT}")
    message(FATAL_ERROR "${IN}: not convertible to GBK: ${err}")
endif()
