// Apoio dos testes ao ambiente da plataforma: uma pasta VRMWND_HOME temporária
// (apagada no fim), o relógio fixo, um apresentador de caixas de mensagem que
// registra cada caixa e responde com o botão combinado, e a espera pelo arquivo que
// um programa iniciado à parte escreve.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "vrmwnd/platform/testing.h"
#include "vrmwnd/platform/msgbox.h"

// Aponta VRMWND_HOME para uma pasta nova enquanto vive; devolve o valor anterior.
class CHomeTemporaria {
 public:
  CHomeTemporaria();
  ~CHomeTemporaria();
  CHomeTemporaria(const CHomeTemporaria&) = delete;
  CHomeTemporaria& operator=(const CHomeTemporaria&) = delete;
  const std::string& Pasta() const { return m_strPasta; }
  // Caminho de um arquivo dentro da pasta; cria a subpasta quando pedida.
  std::string Caminho(const std::string& strNome) const { return m_strPasta + "/" + strNome; }
  std::string CriaSubpasta(const std::string& strNome) const;

 private:
  std::string m_strPasta;
  std::string m_strAnterior;
  bool m_bTinhaAnterior = false;
};

struct TCaixaMostrada {
  HWND hDono;
  std::string strTexto;
  std::string strTitulo;
  UINT nEstilo;
};

// Instala-se ao nascer e sai ao morrer, devolvendo o apresentador anterior.
class CApresentadorTeste : public IMessageBoxPresenter {
 public:
  explicit CApresentadorTeste(int nResposta = IDOK);
  ~CApresentadorTeste() override;
  int Present(HWND owner, const char* text, const char* caption, UINT flags) override;
  const std::vector<TCaixaMostrada>& Caixas() const { return m_caixas; }
  // Só os textos das caixas mostradas, na ordem.
  std::vector<std::string> Textos() const {
    std::vector<std::string> v;
    for (const TCaixaMostrada& c : m_caixas) v.push_back(c.strTexto);
    return v;
  }

 private:
  int m_nResposta;
  std::vector<TCaixaMostrada> m_caixas;
  IMessageBoxPresenter* m_pAnterior;
};

// Fixa o relógio ao nascer e o solta ao morrer.
class CRelogioFixo {
 public:
  CRelogioFixo(int nAno, int nMes, int nDia, int nHora, int nMinuto, int nSegundo, int nMilissegundo, ULONGLONG nTick);
  ~CRelogioFixo() { ReleasePlatformClock(); }
  void Avanca(ULONGLONG nMilissegundos) { AdvancePlatformClock(nMilissegundos); }
};

// Conteúdo inteiro de um arquivo ("" quando não existe) e escrita de um arquivo.
std::string LeArquivo(const std::string& strCaminho);
void EscreveArquivo(const std::string& strCaminho, const std::string& strTexto);

// Relê o arquivo que um programa iniciado à parte escreve até que fPronto aceite o
// texto ou passem nSegundos; devolve o último texto lido ("" sem arquivo). O prazo é
// largo de propósito: sob AddressSanitizer e com a máquina ocupada o programa demora,
// e a espera só dura tudo isso quando o teste já vai falhar.
std::string EsperaArquivo(const std::string& strCaminho, const std::function<bool(const std::string&)>& fPronto,
                          int nSegundos = 60);
