; The yardstick for the updater: an NSIS installer that writes the same payload
; as "Zarvo2025.exe" into the folder given by /D=, uncompressed; run with /S.
;   makensis -DPAYLOAD=<file> -DOUTFILE=<installer> [-DNO_CRC] peer.nsi
Unicode true
Target amd64-unicode
SetCompress off
RequestExecutionLevel user
!ifdef NO_CRC
  CRCCheck off
!endif
Name "Zarvo 2025 Gratuit"
OutFile "${OUTFILE}"
InstallDir "C:\bench\app"

Section
  SetOutPath "$INSTDIR"
  File "/oname=Zarvo2025.exe" "${PAYLOAD}"
SectionEnd
