# Gera instalacao_embutida.cpp com o conteúdo dos arquivos de data/install, para
# que "compras instalar" crie a instalação sem depender de onde o programa está.
# Uso: cmake -DORIGEM=<pasta> -DDESTINO=<arquivo .cpp> -P embute_instalacao.cmake
file(GLOB arquivos RELATIVE ${ORIGEM} ${ORIGEM}/*)
list(SORT arquivos)
set(texto "// Gerado a partir de data/install; não editar.\n#include \"instalacao_embutida.h\"\n\nnamespace compras {\nconst TArquivoEmbutido kArquivosInstalacao[] = {\n")
foreach(nome IN LISTS arquivos)
  file(READ ${ORIGEM}/${nome} conteudo)
  string(APPEND texto "    {\"${nome}\", R\"VRMWND(${conteudo})VRMWND\"},\n")
endforeach()
string(APPEND texto "    {nullptr, nullptr},\n};\n}  // namespace compras\n")
file(WRITE ${DESTINO}.tmp "${texto}")
file(COPY_FILE ${DESTINO}.tmp ${DESTINO} ONLY_IF_DIFFERENT)
