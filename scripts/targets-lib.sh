# Sourced: which targets run on this machine, decided once per run and handed down to every
# step (build, prefix, tests) in MOLVANE_RUNNABLE, so no two steps can disagree.

# Sets MOLVANE_RUNNABLE (space-separated) unless a caller decided already.
molvane_decide_runnable() {
  if [ -z "${MOLVANE_RUNNABLE+set}" ]; then
    local here list
    here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
    list=$("$here/targets.sh")
    MOLVANE_RUNNABLE=$(echo $list)
  fi
  export MOLVANE_RUNNABLE
}

# molvane_runs ARCH: true when ARCH runs on this machine.
molvane_runs() {
  case " $MOLVANE_RUNNABLE " in *" $1 "*) return 0 ;; *) return 1 ;; esac
}

# The targets a run takes: MOLVANE_ARCH's (which must run here), else every runnable one.
# Prints them space-separated; fails with the reason.
molvane_run_targets() {
  local arch
  if [ -n "${MOLVANE_ARCH:-}" ]; then
    for arch in $MOLVANE_ARCH; do
      molvane_runs "$arch" || {
        echo "$arch programs do not run on this machine (it runs: ${MOLVANE_RUNNABLE:-none})" >&2
        return 1
      }
    done
    echo "$MOLVANE_ARCH"
  else
    [ -n "$MOLVANE_RUNNABLE" ] || { echo "no Wine target runs on this machine" >&2; return 1; }
    echo "$MOLVANE_RUNNABLE"
  fi
}

# molvane_require_prefix PREFIX: a run starts only in the prefix the build prepared (its
# stamp); Wine would otherwise make a bare default prefix (no code page 949, fonts, CA).
molvane_require_prefix() {
  [ -f "$1.stamp" ] && return 0
  echo "the Wine prefix $1 is not prepared (no $1.stamp): the build's step" \
       "'Preparing the Wine test prefix' (scripts/wine-prefix.sh) makes it for a target this" \
       "machine runs; run scripts/build.sh with MOLVANE_ARCH=${MOLVANE_ARCH:-?}" >&2
  return 1
}
