// A biblioteca de mensagens da suíte sobre os arquivos de mensagens da instalação e
// a caixa de mensagem da plataforma.
#include "vrmwnd/suite/mensagens/QZMens.h"

#include <cstdio>
#include <cstring>

#include "vrmwnd/base/QZException.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/base/QZResultado.h"
#include "vrmwnd/suite/servidor/CServidoresCompartilhados.h"

namespace {

const TQZModulo* ModuloPorTexto(const CString& strModulo) {
  if (const TQZModulo* p = QZModuloPorSigla(strModulo.GetString())) return p;
  for (int n = 1; n <= QZ_QUANTIDADE_MODULOS; ++n)
    if (std::strcmp(QZTituloModulo(n), strModulo.GetString()) == 0) return QZModulo(n);
  return nullptr;
}

CString TextoOuAviso(unsigned long nMensagem, const TQZModulo* pModulo, const char* szModulo) {
  CString strTexto;
  if (pModulo != nullptr) strTexto = QZTextoMensagem(static_cast<LONG>(nMensagem), pModulo->szSigla);
  if (!strTexto.IsEmpty()) return strTexto;
  char sz[160];
  std::snprintf(sz, sizeof sz, "Mensagem %lu do módulo %s não cadastrada.", nMensagem, szModulo);
  return CString(sz);
}

// Toda caixa da biblioteca passa por aqui: com as mensagens desligadas no processo
// nada é mostrado e a resposta é a do botão padrão do estilo.
int Caixa(HWND hPai, const char* szTexto, const char* szTitulo, UINT nEstilo) {
  if (!CQZInicializador::GetPodeMostrarMensagens()) return DefaultMessageBoxButton(nEstilo);
  return MessageBox(hPai, szTexto, szTitulo, nEstilo);
}

int Mostra(HWND hPai, unsigned long nMensagem, const TQZModulo* pModulo, const char* szModulo, UINT nEstilo) {
  const CString strTexto = TextoOuAviso(nMensagem, pModulo, szModulo);
  return Caixa(hPai, strTexto.GetString(), pModulo ? pModulo->szTitulo : "", nEstilo);
}

}  // namespace

CString QZGetMensagem(unsigned long nMensagem, const CString& strModulo, int) {
  const TQZModulo* pModulo = ModuloPorTexto(strModulo);
  return pModulo ? QZTextoMensagem(static_cast<LONG>(nMensagem), pModulo->szSigla) : CString();
}

int QZMensagem(unsigned long nMensagem, const CString& strModulo) {
  return Mostra(nullptr, nMensagem, ModuloPorTexto(strModulo), strModulo.GetString(), MB_OK | MB_ICONEXCLAMATION);
}

int QZMensagem(unsigned long nMensagem, int nModulo) {
  char sz[16];
  std::snprintf(sz, sizeof sz, "%d", nModulo);
  return Mostra(nullptr, nMensagem, QZModulo(nModulo), sz, MB_OK | MB_ICONEXCLAMATION);
}

int QZMensagem2(HWND hPai, unsigned long nMensagem, const CString& strModulo, UINT nEstilo) {
  return Mostra(hPai, nMensagem, ModuloPorTexto(strModulo), strModulo.GetString(), nEstilo);
}

int QZMessageBoxEx(const CString& strTexto, const CString& strTitulo, UINT nEstilo, HWND hPai) {
  return Caixa(hPai, strTexto.GetString(), strTitulo.GetString(), nEstilo);
}

void QZTrataErro2(LONGLONG llResultado, LONG lLocal, LONG lFonte, const CString& strEmpresa,
                  const CString& strArquivoFonte, int nLinha, const CString& strCompilacao, bool, void*,
                  const CString& strArquivoModulo) {
  const HRESULT hr = static_cast<HRESULT>(llResultado);
  const TQZResultadoDecodificado r = QZDecodificaResultado(hr);
  char sz[2048];
  std::snprintf(sz, sizeof sz,
                "%s\n\nResultado: %#X %s\nLocal: %ld/%ld\nEmpresa: %s\nFonte: %s, linha %d\n"
                "Compilação: %s\nMódulo: %s",
                r.szDescricao, static_cast<unsigned>(hr), r.szNome, static_cast<long>(lLocal),
                static_cast<long>(lFonte), strEmpresa.GetString(), strArquivoFonte.GetString(), nLinha,
                strCompilacao.GetString(), strArquivoModulo.GetString());
  Caixa(nullptr, sz, "Erro", MB_OK | MB_ICONERROR);
}
