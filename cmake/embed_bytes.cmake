# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P embed_bytes.cmake
# Writes the bytes of INPUT as `extern const unsigned char SYMBOL[]` and `SYMBOL`Size in
# namespace ardeno.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" length)
math(EXPR size "${length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE ${OUTPUT}
     "// Generated from ${INPUT}.\nnamespace ardeno {\nextern const unsigned char ${SYMBOL}[];\n"
     "extern const unsigned int ${SYMBOL}Size;\nconst unsigned char ${SYMBOL}[] = {${bytes}};\n"
     "const unsigned int ${SYMBOL}Size = ${size};\n}  // namespace ardeno\n")
