#!/usr/bin/env bash
# Maps the fonts every Windows machine has to DejaVu in the Wine prefix $WINEPREFIX, so that
# text is measured with real fonts of the same kinds (fixed pitch, sans serif).
set -euo pipefail
key='HKCU\Software\Wine\Fonts\Replacements'
for pair in "Courier New=DejaVu Sans Mono" "Consolas=DejaVu Sans Mono" "Arial=DejaVu Sans" \
            "Segoe UI=DejaVu Sans" "Tahoma=DejaVu Sans" "MS Shell Dlg=DejaVu Sans" \
            "MS Shell Dlg 2=DejaVu Sans" "Microsoft Sans Serif=DejaVu Sans"; do
    wine reg add "$key" /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f >/dev/null
done
