# The warning set of the project; ZRV_WARNINGS_AS_ERRORS (on in the dev preset)
# turns every warning into an error.
function(zrv_set_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${ZRV_WARNINGS_AS_ERRORS}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
      -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
      $<$<BOOL:${ZRV_WARNINGS_AS_ERRORS}>:-Werror>)
  endif()
endfunction()
