# Writes the built-in name pools into a C++ source file at build time.
#   cmake -DCONTENT_DIR=<content> -DOUTPUT=<file.cpp> -P embed_pools.cmake
# Character pools (content/pools/*.txt): the lines joined into one text.
# Name lists (content/classic/*_two.txt): one name a line, written as one text
# in which every name is followed by ",". In both, lines starting with "#" and
# blank lines are skipped and spaces are dropped. A missing file gives an
# empty text, so the build goes on before a list has been written.
cmake_minimum_required(VERSION 3.25)

function(read_entries file out_var)
  set(entries "")
  if(EXISTS "${file}")
    file(STRINGS "${file}" lines ENCODING UTF-8)
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "[ \t\r\n]" "" line "${line}")
      if(line STREQUAL "" OR line MATCHES "^#")
        continue()
      endif()
      list(APPEND entries "${line}")
    endforeach()
  endif()
  set(${out_var} "${entries}" PARENT_SCOPE)
endfunction()

set(body "// Generated at build time from the files under content/ by embed_pools.cmake.\n")
string(APPEND body "// UTF-8 texts; generation/pools.cpp converts them to GBK on first use.\n")
string(APPEND body "namespace babyname::generation::embedded {\n\n")

foreach(entry
    "kBoysPool;pools/boys.txt;join"
    "kGirlsPool;pools/girls.txt;join"
    "kClassicBoysOnePool;pools/classic_boys_one.txt;join"
    "kClassicGirlsOnePool;pools/classic_girls_one.txt;join"
    "kClassicBoysTwoList;classic/boys_two.txt;list"
    "kClassicGirlsTwoList;classic/girls_two.txt;list")
  list(GET entry 0 symbol)
  list(GET entry 1 relative)
  list(GET entry 2 form)
  read_entries("${CONTENT_DIR}/${relative}" entries)
  set(text "")
  foreach(e IN LISTS entries)
    if(form STREQUAL "list")
      string(APPEND text "${e},")
    else()
      string(APPEND text "${e}")
    endif()
  endforeach()
  if(text MATCHES "\\)pool\"")
    message(FATAL_ERROR "${relative} holds the text )pool\"")
  endif()
  string(APPEND body "extern const char ${symbol}[];\nconst char ${symbol}[] = R\"pool(${text})pool\";\n\n")
endforeach()

string(APPEND body "}  // namespace babyname::generation::embedded\n")

file(WRITE "${OUTPUT}" "${body}")
