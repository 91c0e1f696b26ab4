#!/usr/bin/env bash
# Writes the winget manifests of the package PACKAGE.msi, to be published at
# URL, in the layout of the winget-pkgs repository under OUTPUT
# (manifests/i/Ilvorande/Ilvorande/VERSION/): the version, the installer and
# the default locale (fr-FR), manifest version 1.6.0. EPOCH dates the release.
#   installer/make-winget.sh PACKAGE.msi URL EPOCH OUTPUT
set -euo pipefail

package=$1 url=$2 epoch=$3 output=$4
properties=$(msiinfo export "$package" Property)
property() { sed -n "s/^$1\t//p" <<<"$properties" | tr -d '\r'; }

python3 - "$package" "$url" "$epoch" "$output" "$(property ProductVersion)" \
    "$(property ProductCode)" "$(property Manufacturer)" <<'EOF'
import hashlib, json, os, sys, time

package, url, epoch, output, version, product_code, publisher = sys.argv[1:]
identifier = "Ilvorande.Ilvorande"
folder = os.path.join(output, "manifests", "i", *identifier.split("."), version)
os.makedirs(folder)

def write(suffix, kind, fields):
    text = f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{kind}.1.6.0.schema.json\n\n"
    head = {"PackageIdentifier": identifier, "PackageVersion": version}
    for key, value in {**head, **fields, "ManifestType": kind, "ManifestVersion": "1.6.0"}.items():
        if isinstance(value, list):  # of strings or of mappings of strings
            text += f"{key}:\n"
            for item in value:
                pairs = item.items() if isinstance(item, dict) else [(None, item)]
                for i, (k, v) in enumerate(pairs):
                    text += ("- " if i == 0 else "  ") + (f"{k}: " if k else "") + json.dumps(v, ensure_ascii=False) + "\n"
        else:
            text += f"{key}: {json.dumps(value, ensure_ascii=False)}\n"
    with open(os.path.join(folder, f"{identifier}{suffix}.yaml"), "w", encoding="utf-8") as out:
        out.write(text)

write("", "version", {"DefaultLocale": "fr-FR"})
write(".installer", "installer", {
    "InstallerLocale": "fr-FR",
    "MinimumOSVersion": "10.0.0.0",
    "InstallerType": "msi",
    "Scope": "user",
    "InstallModes": ["interactive", "silent", "silentWithProgress"],
    "UpgradeBehavior": "install",
    "ProductCode": product_code,
    "ReleaseDate": time.strftime("%Y-%m-%d", time.gmtime(int(epoch))),
    "Installers": [{
        "Architecture": "x64",
        "InstallerUrl": url,
        "InstallerSha256": hashlib.sha256(open(package, "rb").read()).hexdigest().upper(),
    }],
})
write(".locale.fr-FR", "defaultLocale", {
    "PackageLocale": "fr-FR",
    "Publisher": publisher,
    "PublisherUrl": "http://ilvorande.example",
    "Author": publisher,
    "PackageName": "Ilvorande",
    "PackageUrl": "http://ilvorande.example",
    # As the About window states it.
    "License": "Aucun droit particulier n'est réservé : ce programme peut circuler librement "
               "et gratuitement !",
    "Copyright": "Libre de droits",
    "ShortDescription": "Change la résolution de l'écran en un clic.",
    "Moniker": "ilvorande",
    "Tags": ["affichage", "ecran", "resolution"],
})
print(f"winget manifests: {folder}")
EOF
