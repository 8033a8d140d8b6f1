# bash completion for tessarine-cli. The commands and their options are read from the program's
# own --help, so they always match the installed version.

_tessarine_cli() {
  local program=${COMP_WORDS[0]} cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  COMPREPLY=()
  if ((COMP_CWORD == 1)); then
    local commands
    commands=$("$program" --help 2>/dev/null | sed -n 's/^  \([a-z]\+\) .*/\1/p')
    COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
    return
  fi

  local command=${COMP_WORDS[1]}
  case $prev in
    --font) _tessarine_cli_files wbmp; return ;;
    --export-textures) COMPREPLY=($(compgen -d -- "$cur")); return ;;
    --stage | --sample | --scene | --object | --camera | --time | --at | --step | --size) return ;;
    --*) COMPREPLY=($(compgen -f -- "$cur")); return ;;
  esac
  if [[ $cur == -* ]]; then
    local options
    options=$("$program" "$command" --help 2>/dev/null | grep -o -- '--[a-z-]\+' | sort -u)
    COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
    return
  fi
  case $command in
    texture) _tessarine_cli_files ttx ;;
    sample) _tessarine_cli_files tsm tsp slog ;;
    *) _tessarine_cli_files tsc ;;
  esac
}

# Folders, and the files with one of the given extensions.
_tessarine_cli_files() {
  local extension
  COMPREPLY=($(compgen -d -- "$cur"))
  for extension in "$@"; do
    COMPREPLY+=($(compgen -f -X "!*.$extension" -- "$cur"))
  done
}

complete -o filenames -F _tessarine_cli tessarine-cli
