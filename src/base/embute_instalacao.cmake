# Gera instalacao_exemplo_arquivos.cpp com o conteúdo dos arquivos de data/install,
# para que a instalação de exemplo seja criada sem depender de onde a biblioteca está.
# Uso: cmake -DORIGEM=<pasta> -DDESTINO=<arquivo .cpp> -P embute_instalacao.cmake
file(GLOB arquivos RELATIVE ${ORIGEM} ${ORIGEM}/*)
list(SORT arquivos)
set(texto "// Gerado a partir de data/install; não editar.\n#include \"vrmwnd/base/QZInstalacao.h\"\n\nconst TQZArquivoExemplo kQZInstalacaoExemplo[] = {\n")
foreach(nome IN LISTS arquivos)
  file(READ ${ORIGEM}/${nome} conteudo)
  string(APPEND texto "    {\"${nome}\", R\"VRMWND(${conteudo})VRMWND\"},\n")
endforeach()
string(APPEND texto "    {nullptr, nullptr},\n};\n")
file(WRITE ${DESTINO}.tmp "${texto}")
file(COPY_FILE ${DESTINO}.tmp ${DESTINO} ONLY_IF_DIFFERENT)
