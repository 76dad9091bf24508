# CheckReadmeExample.cmake - the README holds EXAMPLE in full, in a ```cpp
# block of its own.
#   cmake -DREADME=<README.md> -DEXAMPLE=<file> -P CheckReadmeExample.cmake
file(READ ${README} Readme)
file(READ ${EXAMPLE} Example)
string(FIND "${Readme}" "```cpp\n${Example}```\n" At)
if(At LESS 0)
  message(FATAL_ERROR
    "README.md does not show ${EXAMPLE} as it is: copy the file into its ```cpp block")
endif()
message("README.md shows ${EXAMPLE} as it is")
