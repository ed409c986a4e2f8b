// A casa e a instalação de um teste: VRMWND_HOME numa pasta temporária (apagada no
// fim), a instalação de exemplo em <casa>/instalacao registrada em "Path" e
// "Mensagens" (como "compras instalar" a cria) e o profiler esquecido ao nascer e ao
// morrer; e o que o teste gravou ali, lido como a equipe de suporte o lê.
#pragma once

#include <string>
#include <vector>

#include "ambiente_teste.h"

class CInstalacaoTeste {
 public:
  // EXEMPLO: log.ini, os arquivos de mensagens e os programas de exemplo; VAZIA: só a
  // pasta registrada, sem arquivo algum.
  enum EConteudo { EXEMPLO, VAZIA };
  explicit CInstalacaoTeste(EConteudo eConteudo = EXEMPLO);
  ~CInstalacaoTeste();
  CInstalacaoTeste(const CInstalacaoTeste&) = delete;
  CInstalacaoTeste& operator=(const CInstalacaoTeste&) = delete;

  const std::string& Pasta() const { return m_strInstalacao; }
  std::string Arquivo(const std::string& strNome) const { return m_strInstalacao + "/" + strNome; }
  // Regrava log.ini com a seção [Log] e as chaves dadas ("Trace=1\n...").
  void EscreveLogIni(const std::string& strChaves) const;
  const CHomeTemporaria& Home() const { return m_home; }

  // O conteúdo dos arquivos gravados sob a casa cujo nome começa por strPrefixo, em
  // sequência, na ordem dos caminhos ("QZProfilerErros": todo o log de erros).
  std::string Gravado(const std::string& strPrefixo) const;
  // As linhas ERRO do log de erros, de todas as pastas sob a casa.
  std::vector<std::string> LinhasDeErro() const;

 private:
  CHomeTemporaria m_home;
  std::string m_strInstalacao;
};
