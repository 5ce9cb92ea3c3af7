# Sourced: the environment every Molvane program runs in under Wine.
export WINEDEBUG=${WINEDEBUG:--all}
export LC_ALL=ko_KR.UTF-8
export LANG=ko_KR.UTF-8
# No Mono or Gecko installer prompts; without a browser engine the browser paths fail as on a
# Windows machine without one.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
