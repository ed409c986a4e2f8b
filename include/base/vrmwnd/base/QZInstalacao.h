// Onde a suíte está instalada, segundo o registro: a chave do módulo empresarial
// ("SOFTWARE\Telvaro\Tarvo Empresarial" em HKEY_LOCAL_MACHINE) com os valores "Path"
// (instalação) e "Mensagens" (arquivos de mensagens), e a pasta de dados de cada
// empresa, valor "Path" da subchave "Empresas\<empresa>".
#pragma once

#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/wintypes.h"

inline constexpr const char* QZ_CHAVE_FABRICANTE = "SOFTWARE\\Telvaro\\";
inline constexpr const char* QZ_TITULO_EMPRESARIAL = "Tarvo Empresarial";
inline constexpr const char* QZ_SUBCHAVE_EMPRESAS = "Empresas";

// "SOFTWARE\Telvaro\Tarvo Empresarial".
VRMWND_BASE_API CString QZChaveEmpresarial();
// Valor texto do registro; vazio quando a chave ou o valor não existem.
VRMWND_BASE_API CString QZLeRegistroTexto(HKEY hRaiz, const char* szChave, const char* szValor);
// Grava um valor texto, criando a chave; false quando não consegue.
VRMWND_BASE_API bool QZGravaRegistroTexto(HKEY hRaiz, const char* szChave, const char* szValor, const char* szTexto);
// Acrescenta a barra invertida que falta ao fim de uma pasta não vazia.
VRMWND_BASE_API CString QZComBarraFinal(const CString& strPasta);
// As pastas lidas do registro só valem quando são caminhos absolutos ('/' ou '\' no
// início): uma relativa conta como ausente (nada é criado nem gravado no lugar para
// onde ela apontaria) e QZEntradaDePastaInvalida diz qual entrada está errada.
VRMWND_BASE_API bool QZPastaAbsoluta(const CString& strPasta);
// Pasta de instalação com a barra final; sem o valor "Path", a pasta da plataforma.
VRMWND_BASE_API CString QZDiretorioInstalacao();
// Pasta dos arquivos de mensagens ("Mensagens") com a barra final; vazio sem o valor.
VRMWND_BASE_API CString QZDiretorioMensagens();
// Pasta de dados da empresa com a barra final; vazio quando não está registrada.
VRMWND_BASE_API CString QZDiretorioEmpresa(const char* szEmpresa);
// O texto que diz qual pasta do registro não é absoluta ("o valor "Path" de
// HKEY_LOCAL_MACHINE\... não é um caminho absoluto: "x""), olhando "Path" e
// "Mensagens" da instalação e, dada, a "Path" da empresa; vazio quando estão certas.
VRMWND_BASE_API CString QZEntradaDePastaInvalida(const char* szEmpresa = nullptr);

// Um arquivo da instalação de exemplo: nome e conteúdo.
struct TQZArquivoExemplo {
  const char* szNome;
  const char* szConteudo;
};
// Os arquivos da instalação de exemplo (log.ini, os arquivos de mensagens de cada
// módulo e os programas de exemplo), embutidos na biblioteca; termina com nomes nulos.
VRMWND_BASE_API extern const TQZArquivoExemplo kQZInstalacaoExemplo[];
// Grava a instalação de exemplo em szPasta (criada quando falta; os programas, que
// começam por "#!", ficam executáveis) e registra "Path" e "Mensagens" apontando para
// ela. Com bSobrescreve false, os arquivos que já existem ficam como estão. Devolve
// false quando um arquivo ou o registro não pôde ser gravado; pstrFalha, quando dado,
// recebe o caminho do arquivo ou do registro que falhou.
VRMWND_BASE_API bool QZCriaInstalacaoExemplo(const char* szPasta, bool bSobrescreve, CString* pstrFalha = nullptr);
